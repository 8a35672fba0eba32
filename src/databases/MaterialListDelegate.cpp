#include "MaterialListDelegate.h"

#include <RM_Database.h>

#include "MaterialDBModel.h"
#include "MaterialSelectorWidget.h"

MaterialListDelegate::MaterialListDelegate(QObject * parent, RM::Database * db, MaterialDBModel * materialDBModel) :
	QItemDelegate(parent),
	m_db(db),
	m_materialDBModel(materialDBModel)
{
}


MaterialListDelegate::~MaterialListDelegate() = default;


QWidget * MaterialListDelegate::createEditor(QWidget * parent, const QStyleOptionViewItem &, const QModelIndex &) const {
	if (m_db->m_materials.empty())
		return nullptr;
	MaterialSelectorWidget * selector = new MaterialSelectorWidget(parent, m_materialDBModel);
	MaterialListDelegate * self = const_cast<MaterialListDelegate *>(this);
	connect(selector, &MaterialSelectorWidget::materialPicked, self, [self, selector]() {
		emit self->commitData(selector);
		emit self->closeEditor(selector);
	});
	return selector;
}


void MaterialListDelegate::setEditorData(QWidget * editor, const QModelIndex & index) const {
	MaterialSelectorWidget * selector = qobject_cast<MaterialSelectorWidget *>(editor);
	if (selector != nullptr)
		selector->selectMaterial(index.model()->data(index, Qt::UserRole).toUInt());
}


void MaterialListDelegate::setModelData(QWidget * editor, QAbstractItemModel * model, const QModelIndex & index) const {
	MaterialSelectorWidget * selector = qobject_cast<MaterialSelectorWidget *>(editor);
	if (selector == nullptr)
		return;
	const unsigned int id = selector->m_materialId;
	const RM::Material * mat = m_db->material(id);
	if (mat == nullptr)
		return;
	model->setData(index, mat->name(), Qt::EditRole);
	model->setData(index, id, Qt::UserRole);
	emit const_cast<MaterialListDelegate *>(this)->materialChanged(id, index.row());
}


void MaterialListDelegate::updateEditorGeometry(QWidget * editor, const QStyleOptionViewItem &, const QModelIndex &) const {
	// the selector covers the whole viewport, not just the cell
	const QWidget * viewport = editor->parentWidget();
	if (viewport == nullptr)
		return;
	QRect r = viewport->rect();
	r.setWidth(r.width() - 1);
	r.setHeight(r.height() - 1);
	editor->setGeometry(r);
}
