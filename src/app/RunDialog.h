#ifndef RunDialogH
#define RunDialogH

#include <QDialog>

namespace Ui {
	class RunDialog;
}

/*! Asked before every run: one or two simulated years, and whether the result files are
	written afterwards ("OutputAutomaticSave", stored when the dialog is accepted). */
class RunDialog : public QDialog {
	Q_OBJECT
public:
	explicit RunDialog(QWidget * parent);
	~RunDialog() override;

	bool twoYearSimulation() const;
	bool automaticSave() const;

public slots:
	void accept() override;

private:
	Ui::RunDialog * m_ui;
};

#endif // RunDialogH
