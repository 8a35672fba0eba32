#include "Sci_ChartFormatSelectionDialog.h"
#include "ui_Sci_ChartFormatSelectionDialog.h"

namespace SCI {

ChartFormatSelectionDialog::ChartFormatSelectionDialog(QWidget * parent) :
	QDialog(parent),
	m_ui(new Ui::ChartFormatSelectionDialog)
{
	m_ui->setupUi(this);
	for (int f = 0; f < NUM_FORMATS; ++f)
		connect(checkBox(f), &QCheckBox::toggled, this, &ChartFormatSelectionDialog::onCheckboxToggled);
}


ChartFormatSelectionDialog::~ChartFormatSelectionDialog() {
	delete m_ui;
}


QCheckBox * ChartFormatSelectionDialog::checkBox(int format) const {
	QCheckBox * const boxes[NUM_FORMATS] = { m_ui->checkBoxPNG, m_ui->checkBoxJPEG, m_ui->checkBoxBMP,
		m_ui->checkBoxSVG, m_ui->checkBoxPDF, m_ui->checkBoxText, m_ui->checkBoxCSV };
	return boxes[format];
}


QCheckBox * ChartFormatSelectionDialog::checkBoxAll() const {
	return m_ui->checkBoxAll;
}


bool ChartFormatSelectionDialog::isSelected(int format) const {
	return checkBox(format)->isChecked();
}


void ChartFormatSelectionDialog::setDataFormatsEnabled(bool enabled) {
	for (int f : { Text, CSV }) {
		checkBox(f)->setEnabled(enabled);
		if (!enabled)
			checkBox(f)->setChecked(false);
	}
}


void ChartFormatSelectionDialog::on_checkBoxAll_toggled(bool checked) {
	for (int f = PNG; f <= PDF; ++f)
		checkBox(f)->setChecked(checked);
	for (int f : { Text, CSV })
		checkBox(f)->setChecked(checked && checkBox(f)->isEnabled());
}


void ChartFormatSelectionDialog::onCheckboxToggled(bool checked) {
	if (checked)
		return;
	const bool blocked = m_ui->checkBoxAll->blockSignals(true);
	m_ui->checkBoxAll->setChecked(false);
	m_ui->checkBoxAll->blockSignals(blocked);
}

} // namespace SCI
