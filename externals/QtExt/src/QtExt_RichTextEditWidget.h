#ifndef QtExt_RichTextEditWidgetH
#define QtExt_RichTextEditWidgetH

#include <QWidget>

class QAction;
class QActionGroup;
class QColor;
class QFont;
class QTextCharFormat;
class QToolBar;

namespace QtExt {

namespace Ui {
	class RichTextEditWidget;
}

class SignalingTextEdit;

/*! Small formatted-text editor: bold, italic, underline, colour, alignment, list style,
	font family and size, undo, redo and the clipboard.
*/
class RichTextEditWidget : public QWidget {
	Q_OBJECT
public:
	explicit RichTextEditWidget(QWidget * parent = nullptr);
	~RichTextEditWidget() override;

	/*! The edited text as HTML body content. */
	QString toHtml() const;
	/*! Replaces the edited text. */
	void setHtml(const QString & html);

	SignalingTextEdit * textEdit() const;
	QToolBar * toolBar() const { return m_toolBar; }

	/*! Actions, for callers that place or test them. */
	enum ActionId { Bold, Italic, Underline, Color, AlignLeft, AlignCenter, AlignRight,
					AlignJustify, Undo, Redo, Cut, Copy, Paste };
	QAction * action(ActionId id) const;

signals:
	/*! The text edit lost the focus after a change. */
	void editingFinished();

public slots:
	void textBold();
	void textUnderline();
	void textItalic();
	void textFamily(const QString & family);
	void textSize(const QString & pointSize);
	/*! 0 paragraph; 1..8 list: disc, circle, square, decimal, lower alpha, upper alpha,
		lower roman, upper roman; other values disc. */
	void textStyle(int styleIndex);
	void textColor();
	void textAlign(QAction * action);
	void currentCharFormatChanged(const QTextCharFormat & format);
	void cursorPositionChanged();
	void clipboardDataChanged();
	void undo();
	void redo();
	void cut();
	void copy();
	void paste();

protected:
	void changeEvent(QEvent * event) override;

private:
	void mergeFormatOnWordOrSelection(const QTextCharFormat & format);
	void fontChanged(const QFont & font);
	void colorChanged(const QColor & color);
	void alignmentChanged(Qt::Alignment alignment);

	Ui::RichTextEditWidget *	m_ui;
	QToolBar *					m_toolBar;
	QActionGroup *				m_alignGroup;
};

} // namespace QtExt

#endif // QtExt_RichTextEditWidgetH
