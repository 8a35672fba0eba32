#ifndef UnkeptInputH
#define UnkeptInputH

#include <vector>

#include <QCoreApplication>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QString>

class QAbstractItemView;
class QWidget;

/*! What Save would not keep: texts the user typed into fields, table cells and open cell
	editors that their readers refuse (the stored values stay behind them), and rows that
	Save leaves out. Every action that writes, reads or drops what the window shows (Save,
	run, close, New, Load, switching the edited item) names them first and lets the user go
	back to them or go on.
*/
class UnkeptInput {
	Q_DECLARE_TR_FUNCTIONS(UnkeptInput)
public:
	/*! Data role of a table cell whose text is refused: the reason (empty or none: taken). */
	static const int RefusedTextRole;

	/*! One refused text or one left-out row. */
	struct Entry {
		/*! The field, the open editor, or the view of the cell or row. */
		QPointer<QWidget>		m_widget;
		/*! Cell of the view (of an open editor: the cell it edits); invalid for a field. */
		QPersistentModelIndex	m_index;
		/*! Label of the field or name of the cell or row; may be empty for a field. */
		QString					m_name;
		/*! The refused text; empty for a row. */
		QString					m_text;
		/*! A row Save leaves out. */
		bool					m_row = false;
	};

	/*! Adds the refused texts shown on page (as if the page were current): fields, cells
		marked with RefusedTextRole and open cell editors holding a refused number. */
	void addRefusedTexts(QWidget * page);
	/*! Adds a row Save leaves out, named and shown at the given cell of view. */
	void addLeftOutRow(QAbstractItemView * view, const QModelIndex & index, const QString & name);

	bool isEmpty() const { return m_entries.empty(); }
	bool hasRefusedText() const;
	const std::vector<Entry> & entries() const { return m_entries; }

	/*! The question "Go back" / "Go on" (object name "unkeptInputQuestion"); true when the
		user goes on. */
	bool askGoOn(QWidget * parent) const;
	/*! Gives the first entry the focus: the field with its text selected, the open editor,
		or the cell of the view (the caller shows its page first). */
	void goBack() const;

	/*! Text of the question's box, one line per entry. */
	QString text() const;

private:
	void addField(QWidget * field, const QString & text);
	void addCells(QAbstractItemView * view);
	void addOpenEditor(QAbstractItemView * view);

	std::vector<Entry>	m_entries;
};

#endif // UnkeptInputH
