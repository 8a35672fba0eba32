#ifndef Sci_ChartFormatSelectionDialogH
#define Sci_ChartFormatSelectionDialogH

#include <QDialog>

class QCheckBox;

namespace SCI {

namespace Ui {
	class ChartFormatSelectionDialog;
}

/*! Selects the formats a chart is exported in: five image formats and two data formats,
	the latter only where the chart has data to write. */
class ChartFormatSelectionDialog : public QDialog {
	Q_OBJECT
public:
	enum Format { PNG, JPEG, BMP, SVG, PDF, Text, CSV, NUM_FORMATS };

	explicit ChartFormatSelectionDialog(QWidget * parent = nullptr);
	~ChartFormatSelectionDialog() override;

	/*! Enables or disables the two data formats; disabled ones are unchecked. */
	void setDataFormatsEnabled(bool enabled);

	QCheckBox * checkBox(int format) const;
	QCheckBox * checkBoxAll() const;
	bool isSelected(int format) const;

public slots:
	void on_checkBoxAll_toggled(bool checked);
	void onCheckboxToggled(bool checked);

private:
	Ui::ChartFormatSelectionDialog *	m_ui;
};

} // namespace SCI

#endif // Sci_ChartFormatSelectionDialogH
