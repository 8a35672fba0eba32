#ifndef DBPageBaseH
#define DBPageBaseH

#include <functional>
#include <map>

#include <QModelIndex>
#include <QPersistentModelIndex>
#include <QWidget>

namespace RM {
	class Database;
	class Room;
}

class DBModelSortProxy;
class DBTableModel;
class QTableView;
class QToolButton;

/*! Common part of the four database pages: a table of one database table with add and
	remove buttons, and the edit panel of the current item. */
class DBPageBase : public QWidget {
	Q_OBJECT
public:
	DBPageBase(QWidget * parent, RM::Database * db);

	/*! Clears the selection and resets the table model (after a project was loaded or created). */
	void resetModel();
	/*! The edited project, whose surfaces are checked before a type is removed. */
	void setProject(const RM::Room * project) { m_project = project; }

	QTableView * tableView() const { return m_tableView; }
	QToolButton * addButton() const { return m_toolButtonAdd; }
	QToolButton * removeButton() const { return m_toolButtonRemove; }

public slots:
	void onToolButtonAddClicked();
	void onToolButtonRemoveClicked();
	void onCurrentIndexChanged(const QModelIndex & current, const QModelIndex & previous);

protected:
	/*! What a page hands to setupPage(). */
	struct Setup {
		DBTableModel *								m_model = nullptr;
		/*! Sorts the view (material page), else nullptr. */
		DBModelSortProxy *							m_proxy = nullptr;
		QWidget *									m_editWidget = nullptr;
		std::function<void(const QModelIndex &)>	m_updateInput;
		QString										m_title;
		QString										m_addToolTip;
		QString										m_removeToolTip;
		/*! Panel beside the table (true) or below it in a splitter. */
		bool										m_panelBeside = true;
		/*! Columns resized by the user, with their initial widths; without the name
			column (2) here, the name takes the free width. */
		std::map<int, int>							m_interactiveColumns;
	};

	/*! Notes the user's clicks and keys in the table: their switch of the item asks. */
	bool eventFilter(QObject * watched, QEvent * event) override;

	/*! Builds buttons, table view, column widths and layout. */
	void setupPage(const Setup & setup);

	/*! Users of an item that block its removal (surfaces, construction types). */
	virtual QStringList itemUsers(unsigned int id) const = 0;

	RM::Database *			m_db;
	const RM::Room *		m_project;
	QToolButton *			m_toolButtonAdd;
	QToolButton *			m_toolButtonRemove;
	QTableView *			m_tableView;

private:
	void setupColumns(const std::map<int, int> & interactiveColumns);
	QModelIndex toSource(const QModelIndex & index) const;
	QModelIndex fromSource(const QModelIndex & index) const;

	/*! What the edit panel would drop at a switch of the item is named; true when there is
		nothing or the user goes on. */
	bool goOnDespiteUnkeptInput();
	/*! Makes previous the current item again without showing it anew (the panel keeps the
		texts the user went back to). */
	void returnTo(const QPersistentModelIndex & previous);

	Setup					m_setup;
	/*! Set while the item changes without a user's switch (reset, removal, add after the
		question, the way back): nothing is asked. */
	bool					m_quiet = false;
	/*! Set while the way back restores the previous item: the panel is not refreshed. */
	bool					m_returning = false;
	/*! Set between a press and its release in the table. */
	bool					m_userInput = false;
};

#endif // DBPageBaseH
