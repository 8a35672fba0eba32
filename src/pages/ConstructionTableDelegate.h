#ifndef ConstructionTableDelegateH
#define ConstructionTableDelegateH

#include <QItemDelegate>

class QComboBox;

namespace RM {
class Database;
}

/*! Editors of the construction table: combo boxes for database items, kind, orientation
	and inclination, spin boxes for numbers; editable cells get a tinted background. */
class ConstructionTableDelegate : public QItemDelegate {
	Q_OBJECT
public:
	ConstructionTableDelegate(QObject * parent, RM::Database * db);

	QWidget * createEditor(QWidget * parent, const QStyleOptionViewItem & option, const QModelIndex & index) const override;
	void setEditorData(QWidget * editor, const QModelIndex & index) const override;
	void setModelData(QWidget * editor, QAbstractItemModel * model, const QModelIndex & index) const override;
	void paint(QPainter * painter, const QStyleOptionViewItem & option, const QModelIndex & index) const override;

	/*! The list of the combo box shows its texts in full, also when the box is narrower. */
	static void widenPopup(QComboBox * combo);

	/*! The typed text as a number (current locale, then '.' as decimal point); false unless
		finite and unambiguous. */
	static bool parseNumber(const QString & text, double & value);
	/*! What an editor holds: the chosen item's data, the text or the number. */
	static QVariant editorValue(QWidget * editor);

protected:
	bool eventFilter(QObject * object, QEvent * event) override;

private:
	void fillEditor(QWidget * editor, const QModelIndex & index) const;

	RM::Database *	m_db;
	/*! Set while a value is written: an editor losing focus to a message box must not commit again. */
	mutable bool	m_writing = false;
};

#endif // ConstructionTableDelegateH
