#ifndef QtExt_SignalingTextEditH
#define QtExt_SignalingTextEditH

#include <QTextEdit>

namespace QtExt {

/*! Text edit that reports the end of an edit: editingFinished() is emitted when it loses
	the focus after its text was changed.
*/
class SignalingTextEdit : public QTextEdit {
	Q_OBJECT
public:
	explicit SignalingTextEdit(QWidget * parent = nullptr);

signals:
	void editingFinished();

protected:
	void focusOutEvent(QFocusEvent * event) override;

private:
	/*! Text changed since the last editingFinished(). */
	bool m_changed = false;
};

} // namespace QtExt

#endif // QtExt_SignalingTextEditH
