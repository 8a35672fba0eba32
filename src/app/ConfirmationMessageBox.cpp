#include "ConfirmationMessageBox.h"
#include "ui_ConfirmationMessageBox.h"

#include <QFile>
#include <QPushButton>
#include <QSettings>

#include <BVX_Path.h>

ConfirmationMessageBox::ConfirmationMessageBox(QWidget * parent) :
	QDialog(parent),
	m_ui(new Ui::ConfirmationMessageBox)
{
	m_ui->setupUi(this);
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

	dlg.resize(600, 600);
	const int res = dlg.exec();
	settings.setValue(key, res == QDialog::Accepted && dlg.m_ui->checkBoxDontShowAgain->isChecked());
	return res;
}


void ConfirmationMessageBox::on_buttonBox_clicked(QAbstractButton * button) {
	if (button == m_ui->buttonBox->button(QDialogButtonBox::Ok))
		accept();
	else
		reject();
}
