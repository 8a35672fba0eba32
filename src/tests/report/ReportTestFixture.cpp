#include "ReportTestFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace ReportTest {

QString runTool(const QString & program, const QStringList & args) {
	if (program.isEmpty()) {
		ADD_FAILURE() << "PDF tool missing (pdfinfo, pdftotext, pdftoppm): run scripts/install-deps";
		return QString();
	}
	QProcess p;
	p.start(program, args);
	if (!p.waitForFinished(60000) || p.exitCode() != 0) {
		ADD_FAILURE() << program.toStdString() << " failed: " << p.readAllStandardError().toStdString();
		return QString();
	}
	return QString::fromUtf8(p.readAllStandardOutput());
}


int pdfPages(const QString & file) {
	const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(runTool(PDFINFO_EXECUTABLE, { file }));
	return m.hasMatch() ? m.captured(1).toInt() : -1;
}


QString pdfPageSize(const QString & file) {
	const QRegularExpressionMatch m = QRegularExpression("Page size:\\s+([^\\n]+)").match(runTool(PDFINFO_EXECUTABLE, { file }));
	return m.hasMatch() ? m.captured(1).trimmed() : QString();
}


QString pdfText(const QString & file, int page) {
	QStringList args;
	if (page > 0)
		args << "-f" << QString::number(page) << "-l" << QString::number(page);
	args << "-layout" << file << "-";
	QString text = runTool(PDFTOTEXT_EXECUTABLE, args);
	text.replace(QChar(0xFB00), "ff");
	text.replace(QChar(0xFB01), "fi");
	text.replace(QChar(0xFB02), "fl");
	text.replace(QChar(0xFB03), "ffi");
	text.replace(QChar(0xFB04), "ffl");
	return text;
}


int pdfPagesWithInk(const QString & file) {
	QTemporaryDir dir;
	runTool(PDFTOPPM_EXECUTABLE, { "-r", "50", "-png", file, dir.filePath("page") });
	int inked = 0;
	for (const QFileInfo & info : QDir(dir.path()).entryInfoList({ "page*.png" }, QDir::Files, QDir::Name)) {
		const QImage img(info.filePath());
		const QRgb background = img.pixel(0, 0);
		bool ink = false;
		for (int y = 0; y < img.height() && !ink; ++y)
			for (int x = 0; x < img.width() && !ink; ++x)
				ink = img.pixel(x, y) != background;
		inked += ink ? 1 : 0;
	}
	return inked;
}

} // namespace ReportTest
