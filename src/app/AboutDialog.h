#ifndef AboutDialogH
#define AboutDialogH

#include <QDialog>

class QUrl;

namespace Ui {
	class AboutDialog;
}

/*! The program's splash picture above its about page; links open in the desktop's
	default handler. Keeps the size it has when first shown. */
class AboutDialog : public QDialog {
	Q_OBJECT
public:
	explicit AboutDialog(QWidget * parent);
	~AboutDialog() override;

protected:
	void showEvent(QShowEvent * event) override;

private slots:
	void onAnchorClicked(const QUrl & link);

private:
	Ui::AboutDialog * m_ui;
};

#endif // AboutDialogH
