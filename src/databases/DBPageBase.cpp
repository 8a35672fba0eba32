#include "DBPageBase.h"

#include <algorithm>

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "DBEditFieldHelpers.h"
#include "DBModelDelegate.h"
#include "DBModelSortProxy.h"
#include "DBTableModel.h"
#include "PendingEdit.h"
#include "UnkeptInput.h"
#include "ToolButtonHelpers.h"

DBPageBase::DBPageBase(QWidget * parent, RM::Database * db) :
	QWidget(parent),
	m_db(db),
	m_project(nullptr),
	m_toolButtonAdd(new QToolButton(this)),
	m_toolButtonRemove(new QToolButton(this)),
	m_tableView(new QTableView(this))
{
}


void DBPageBase::setupPage(const Setup & setup) {
	m_setup = setup;
	setToolButtonIconAndToolTip(m_toolButtonAdd, ":/gfx/plus_32x32.png", setup.m_addToolTip);
	setToolButtonIconAndToolTip(m_toolButtonRemove, ":/gfx/minus_32x32.png", setup.m_removeToolTip);

	m_tableView->verticalHeader()->setDefaultSectionSize(19);
	m_tableView->verticalHeader()->setVisible(false);
	m_tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
	m_tableView->setSelectionMode(QAbstractItemView::SingleSelection);
	m_tableView->setAlternatingRowColors(true);
	m_tableView->setWordWrap(false);
	if (setup.m_proxy != nullptr) {
		setup.m_proxy->setSourceModel(setup.m_model);
		m_tableView->setModel(setup.m_proxy);
		m_tableView->setSortingEnabled(true);
	}
	else {
		m_tableView->setModel(setup.m_model);
	}
	m_tableView->setItemDelegate(new DBModelDelegate(this));
	setupColumns(setup.m_interactiveColumns);
	m_tableView->installEventFilter(this);
	m_tableView->viewport()->installEventFilter(this);
	connect(m_tableView->selectionModel(), &QItemSelectionModel::currentChanged,
			this, &DBPageBase::onCurrentIndexChanged);

	QHBoxLayout * buttons = new QHBoxLayout;
	buttons->setMargin(0);
	buttons->addWidget(m_toolButtonAdd);
	buttons->addWidget(m_toolButtonRemove);
	buttons->addStretch(1);
	QGroupBox * box = new QGroupBox(setup.m_title, this);
	QVBoxLayout * boxLayout = new QVBoxLayout(box);
	boxLayout->addWidget(m_tableView);
	boxLayout->addLayout(buttons);

	if (setup.m_panelBeside) {
		QHBoxLayout * lay = new QHBoxLayout(this);
		lay->setMargin(0);
		lay->addWidget(box, 1);
		lay->addWidget(setup.m_editWidget);
	}
	else {
		QSplitter * splitter = new QSplitter(Qt::Vertical, this);
		splitter->addWidget(box);
		splitter->addWidget(setup.m_editWidget);
		// the panel takes what the table does not need (the table starts at its four rows)
		splitter->setChildrenCollapsible(false);
		splitter->setStretchFactor(0, 0);
		splitter->setStretchFactor(1, 1);
		splitter->setSizes({1, 1000000});
		QVBoxLayout * lay = new QVBoxLayout(this);
		lay->addWidget(splitter);
	}

	connect(m_toolButtonAdd, &QToolButton::clicked, this, &DBPageBase::onToolButtonAddClicked);
	connect(m_toolButtonRemove, &QToolButton::clicked, this, &DBPageBase::onToolButtonRemoveClicked);
	m_toolButtonRemove->setEnabled(false);
}


void DBPageBase::setupColumns(const std::map<int, int> & interactiveColumns) {
	// id wide enough for user ids, the icon fixed, the name stretched, values fit their contents
	QHeaderView * header = m_tableView->horizontalHeader();
	header->setSectionResizeMode(QHeaderView::ResizeToContents);
	header->setSectionResizeMode(0, QHeaderView::Fixed);
	header->setSectionResizeMode(1, QHeaderView::Fixed);
	header->setSectionResizeMode(2, QHeaderView::Stretch);
	header->resizeSection(0, std::max(60, m_tableView->fontMetrics().horizontalAdvance("0000000")));
	header->resizeSection(1, 22);
	for (const auto & column : interactiveColumns) {
		header->setSectionResizeMode(column.first, QHeaderView::Interactive);
		header->resizeSection(column.first, column.second);
	}
	// four rows at least
	setMinimumVisibleRows(m_tableView, 4);
}


void DBPageBase::resetModel() {
	// Load and New asked before
	m_quiet = true;
	m_tableView->selectionModel()->clear();
	m_tableView->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Select | QItemSelectionModel::Current);
	m_setup.m_model->resetModel();
	m_quiet = false;
}


bool DBPageBase::eventFilter(QObject * watched, QEvent * event) {
	switch (event->type()) {
		case QEvent::MouseButtonPress:
		case QEvent::MouseButtonDblClick:
		case QEvent::KeyPress:
			m_userInput = true;
			break;
		case QEvent::MouseButtonRelease:
		case QEvent::KeyRelease:
			m_userInput = false;
			break;
		default:
			break;
	}
	return QWidget::eventFilter(watched, event);
}


bool DBPageBase::goOnDespiteUnkeptInput() {
	UnkeptInput unkept;
	unkept.addRefusedTexts(m_setup.m_editWidget);
	if (unkept.askGoOn(this))
		return true;
	unkept.goBack();
	return false;
}


void DBPageBase::returnTo(const QPersistentModelIndex & previous) {
	if (!previous.isValid())
		return;
	m_returning = true;
	m_tableView->selectionModel()->setCurrentIndex(previous, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
	m_returning = false;
}


void DBPageBase::onToolButtonAddClicked() {
	// the edit panel's pending text belongs to the item shown until now
	PendingEdit::commit(this);
	if (!goOnDespiteUnkeptInput())
		return;
	m_quiet = true;
	const QModelIndex first = fromSource(m_setup.m_model->addNewItem());
	const QModelIndex last = first.sibling(first.row(), m_setup.m_model->columnCount() - 1);
	QItemSelectionModel * sel = m_tableView->selectionModel();
	sel->clear();
	sel->setCurrentIndex(first, QItemSelectionModel::Select | QItemSelectionModel::Current);
	sel->select(QItemSelection(first, last), QItemSelectionModel::Select | QItemSelectionModel::Current);
	m_tableView->scrollTo(first);
	m_quiet = false;
}


void DBPageBase::onToolButtonRemoveClicked() {
	PendingEdit::commit(this);
	const QModelIndexList selected = m_tableView->selectionModel()->selectedIndexes();
	if (selected.isEmpty())
		return;
	const QModelIndex index = toSource(selected.first());
	if (index.data(Qt::UserRole + 1).toBool())
		return;
	const QStringList users = itemUsers(m_setup.m_model->itemId(index));
	if (!users.isEmpty()) {
		// removing a used item would leave a dangling id in the project or a construction
		QMessageBox::information(this, tr("Item in use"),
			tr("This item cannot be removed, it is still used by:\n%1").arg(users.join("\n")));
		return;
	}
	// the panel's texts go with the item
	m_quiet = true;
	m_setup.m_model->removeItem(index);
	m_quiet = false;
}


void DBPageBase::onCurrentIndexChanged(const QModelIndex & current, const QModelIndex & previous) {
	if (m_returning)
		return;
	// the panel's open edit belongs to the item shown until now
	PendingEdit::commitIn(m_setup.m_editWidget);
	// a switch by the user (a click or key in the table) asks
	if (!m_quiet && previous.isValid() && m_userInput && !goOnDespiteUnkeptInput()) {
		// back once the view has finished the click or key that switched
		const QPersistentModelIndex back(previous);
		QTimer::singleShot(0, this, [this, back]() {
			returnTo(back);
			UnkeptInput unkept;
			unkept.addRefusedTexts(m_setup.m_editWidget);
			unkept.goBack();
		});
		return;
	}
	const QModelIndex index = toSource(current);
	m_toolButtonRemove->setEnabled(index.isValid() && !index.data(Qt::UserRole + 1).toBool());
	m_setup.m_updateInput(index);
}


QModelIndex DBPageBase::toSource(const QModelIndex & index) const {
	if (m_setup.m_proxy == nullptr || !index.isValid())
		return index;
	return m_setup.m_proxy->mapToSource(index);
}


QModelIndex DBPageBase::fromSource(const QModelIndex & index) const {
	if (m_setup.m_proxy == nullptr || !index.isValid())
		return index;
	return m_setup.m_proxy->mapFromSource(index);
}
