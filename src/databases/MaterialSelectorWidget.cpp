#include "MaterialSelectorWidget.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "DBModelDelegate.h"
#include "DBModelSortProxy.h"
#include "MaterialDBModel.h"

MaterialSelectorWidget::MaterialSelectorWidget(QWidget * parent, MaterialDBModel * materialDBModel) :
	QWidget(parent),
	m_materialId(0),
	m_tableView(new QTableView(this)),
	m_proxyModel(new DBModelSortProxy(this)),
	m_materialDBModel(materialDBModel)
{
	m_tableView->verticalHeader()->setDefaultSectionSize(19);
	m_tableView->verticalHeader()->setVisible(false);
	m_tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
	m_tableView->setSelectionMode(QAbstractItemView::SingleSelection);
	m_tableView->setAlternatingRowColors(true);

	m_proxyModel->setSourceModel(m_materialDBModel);
	m_proxyModel->setNumericColumns({0, 4, 5, 6});
	m_tableView->setModel(m_proxyModel);
	m_tableView->setSortingEnabled(true);

	QHeaderView * header = m_tableView->horizontalHeader();
	header->setSectionResizeMode(QHeaderView::ResizeToContents);
	header->setSectionResizeMode(0, QHeaderView::Fixed);
	header->setSectionResizeMode(1, QHeaderView::Fixed);
	// the name is what one picks by: never cut; the category is cut (tool tip) and the
	// values beyond the viewport scroll in
	header->setSectionResizeMode(2, QHeaderView::ResizeToContents);
	header->setSectionResizeMode(3, QHeaderView::Interactive);
	header->resizeSection(0, 40);
	header->resizeSection(1, 22);
	header->resizeSection(3, 12 * fontMetrics().averageCharWidth());
	m_tableView->setItemDelegate(new DBModelDelegate(this));

	QVBoxLayout * lay = new QVBoxLayout(this);
	lay->setMargin(0);
	lay->addWidget(m_tableView);
	connect(m_tableView, &QTableView::doubleClicked, this, &MaterialSelectorWidget::materialDoubleClicked);
}


void MaterialSelectorWidget::selectMaterial(unsigned int id) {
	QModelIndex found;
	for (int i = 0; i < m_proxyModel->rowCount(); ++i) {
		const QModelIndex idx = m_proxyModel->index(i, 0);
		if (idx.data(Qt::DisplayRole).toUInt() == id) {
			found = idx;
			break;
		}
	}
	if (!found.isValid()) {
		found = m_tableView->model()->index(0, 0);
		id = found.data(Qt::UserRole).toUInt();
	}
	m_tableView->selectRow(found.row());
	// the row is scrolled into view, the names stay at the left edge
	m_tableView->horizontalScrollBar()->setValue(0);
	m_materialId = id;
}


void MaterialSelectorWidget::materialDoubleClicked(QModelIndex index) {
	m_materialId = index.data(Qt::UserRole).toUInt();
	// commit before closing: without focus (an inactive window) closing alone commits nothing
	emit materialPicked();
	close();
}
