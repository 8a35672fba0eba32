#ifndef ConfirmationMessageBoxH
#define ConfirmationMessageBoxH

#include <QDialog>

class QAbstractButton;
class QSettings;

namespace BVX {
	class Path;
}

namespace Ui {
	class ConfirmationMessageBox;
}

/*! Shows a long text from a file (the licence agreement) with Ok, an optional Cancel and
	"Do not show again". Used through showIfNotSuppressed(), which skips the dialog once it
	was accepted with the check box set.
*/
class ConfirmationMessageBox : public QDialog {
	Q_OBJECT
public:
	/*! Returns QDialog::Accepted at once when the settings key is true; otherwise shows the
		text of textFile and stores under key whether it was accepted with the check box set.
		An empty okText keeps the Ok button's own text. */
	static int showIfNotSuppressed(const BVX::Path & textFile, QSettings & settings, const QString & key,
								   const QString & title, const QString & okText, bool showCancel);

	~ConfirmationMessageBox() override;

private slots:
	/*! Ok accepts, any other button rejects. */
	void on_buttonBox_clicked(QAbstractButton * button);

private:
	explicit ConfirmationMessageBox(QWidget * parent = nullptr);

	/*! Dialog width at which the longest line of the text shows unbroken, at most the screen's. */
	int widthForTextLines() const;

	Ui::ConfirmationMessageBox * m_ui;
};

#endif // ConfirmationMessageBoxH
