#include "SolverProgressDialog.h"
#include "ui_SolverProgressDialog.h"

#include <QPushButton>

#include <BVX_MessageHandler.h>

SolverProgressDialog::SolverProgressDialog(QWidget * parent) :
	QDialog(parent),
	m_ui(new Ui::SolverProgressDialog),
	m_cancelled(false),
	m_finished(false)
{
	m_ui->setupUi(this);
	setWindowTitle(tr("Model export"));
	m_process.setProcessChannelMode(QProcess::MergedChannels);
	connect(&m_process, &QProcess::readyRead, this, &SolverProgressDialog::onReadyRead);
	connect(&m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished),
			this, &SolverProgressDialog::onFinished);
	connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &SolverProgressDialog::reject);
}


SolverProgressDialog::~SolverProgressDialog() {
	// a solver still running when the dialog goes would outlive the program's control of it
	if (m_process.state() != QProcess::NotRunning) {
		m_process.kill();
		m_process.waitForFinished(-1);
	}
	delete m_ui;
}


SolverProgressDialog::Outcome SolverProgressDialog::run(const QString & program, const QStringList & arguments,
														const QString & status)
{
	m_ui->labelStatus->setText(status);
	m_process.start(program, arguments);
	if (!m_process.waitForStarted(-1))
		return NotStarted;
	if (!m_finished)
		exec();
	if (m_cancelled)
		return Cancelled;
	return m_process.exitStatus() == QProcess::NormalExit ? Finished : Crashed;
}


QString SolverProgressDialog::output() const {
	return m_ui->plainTextEditOutput->toPlainText();
}


void SolverProgressDialog::reject() {
	if (m_finished) {
		QDialog::reject();
		return;
	}
	if (m_process.state() == QProcess::NotRunning)
		return;
	m_cancelled = true;
	m_ui->labelStatus->setText(tr("Ending the solver..."));
	m_ui->buttonBox->button(QDialogButtonBox::Cancel)->setEnabled(false);
	m_process.kill();
}


void SolverProgressDialog::onReadyRead() {
	m_pending += m_process.readAll();
	flushLines(false);
}


void SolverProgressDialog::onFinished(int /*exitCode*/, QProcess::ExitStatus /*status*/) {
	m_pending += m_process.readAll();
	flushLines(true);
	m_finished = true;
	done(m_cancelled ? QDialog::Rejected : QDialog::Accepted);
}


void SolverProgressDialog::flushLines(bool final) {
	const char * const FUNC_ID = "[SolverProgressDialog::flushLines]";
	int end = m_pending.lastIndexOf('\n');
	if (final && !m_pending.isEmpty())
		end = m_pending.size() - 1;
	if (end < 0)
		return;
	const QString text = QString::fromLocal8Bit(m_pending.left(end + 1));
	m_pending.remove(0, end + 1);
	for (const QString & line : text.split('\n', Qt::SkipEmptyParts)) {
		const QString clean = QString(line).remove('\r');
		m_ui->plainTextEditOutput->appendPlainText(clean);
		BVX::BVX_Message(clean.toStdString() + "\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
	}
}
