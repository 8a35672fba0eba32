#include "ConfirmationMessageBox.h"
#include "ui_ConfirmationMessageBox.h"

#include <algorithm>

#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>

#include <BVX_Path.h>

ConfirmationMessageBox::ConfirmationMessageBox(QWidget * parent) :
	QDialog(parent),
	m_ui(new Ui::ConfirmationMessageBox)
{
	m_ui->setupUi(this);
	// a licence text brings its own line breaks: wrapping would break its lines a second time
	m_ui->plainTextEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
}


ConfirmationMessageBox::~ConfirmationMessageBox() {
	delete m_ui;
}


int ConfirmationMessageBox::showIfNotSuppressed(const BVX::Path & textFile, QSettings & settings, const QString & key,
												const QString & title, const QString & okText, bool showCancel)
{
	if (settings.value(key, false).toBool())
		return QDialog::Accepted;

	ConfirmationMessageBox dlg;
	if (!okText.isEmpty())
		dlg.m_ui->buttonBox->button(QDialogButtonBox::Ok)->setText(okText);
	dlg.m_ui->buttonBox->button(QDialogButtonBox::Cancel)->setVisible(showCancel);
	dlg.setWindowTitle(title);

	// a missing or unreadable file leaves the text box empty
	QFile f(QString::fromStdString(textFile.str()));
	QByteArray text;
	if (f.open(QIODevice::ReadOnly))
		text = f.readAll();
	dlg.m_ui->plainTextEdit->setPlainText(QString::fromUtf8(text));

	QFont font("Monospace", 9);
	font.setStyleHint(QFont::TypeWriter, QFont::PreferDefault);
	dlg.m_ui->plainTextEdit->setFont(font);

	dlg.resize(std::max(600, dlg.widthForTextLines()), 600);
	const int res = dlg.exec();
	settings.setValue(key, res == QDialog::Accepted && dlg.m_ui->checkBoxDontShowAgain->isChecked());
	return res;
}


int ConfirmationMessageBox::widthForTextLines() const {
	const QPlainTextEdit * edit = m_ui->plainTextEdit;
	const QFontMetrics fm(edit->font());
	int longest = 0;
	for (const QString & line : edit->toPlainText().split('\n'))
		longest = std::max(longest, fm.horizontalAdvance(line));
	const QMargins margins = layout()->contentsMargins();
	const int width = longest + int(2*edit->document()->documentMargin()) + 2*edit->frameWidth()
			+ edit->verticalScrollBar()->sizeHint().width() + margins.left() + margins.right();
	// never wider than the screen: a longer line scrolls
	const QScreen * screen = QGuiApplication::primaryScreen();
	return screen != nullptr ? std::min(width, screen->availableGeometry().width()) : width;
}


void ConfirmationMessageBox::on_buttonBox_clicked(QAbstractButton * button) {
	if (button == m_ui->buttonBox->button(QDialogButtonBox::Ok))
		accept();
	else
		reject();
}
