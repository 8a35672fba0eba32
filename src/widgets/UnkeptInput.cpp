#include "UnkeptInput.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>

#include <QtExt_UserNumber.h>
#include <QtExt_ValidatingLineEdit.h>

#include "PendingEdit.h"
#include "UserNumberSpinBox.h"

namespace {

/*! Header of the column when the view shows it, else empty. */
QString columnName(const QAbstractItemView * view, const QModelIndex & index) {
	const QTableView * table = qobject_cast<const QTableView *>(view);
	if (table == nullptr || table->horizontalHeader()->isHidden())
		return QString();
	return index.model()->headerData(index.column(), Qt::Horizontal).toString();
}

/*! The row as the view names it: its header, the label in its first column (an hour, an
	id), else its number from 1. */
QString rowName(const QAbstractItemView * view, const QModelIndex & index) {
	const QTableView * table = qobject_cast<const QTableView *>(view);
	if (table != nullptr && !table->verticalHeader()->isHidden())
		return index.model()->headerData(index.row(), Qt::Vertical).toString();
	const QModelIndex first = index.sibling(index.row(), 0);
	if (index.column() != 0 && !(first.flags() & Qt::ItemIsEditable) && !first.data().toString().isEmpty())
		return first.data().toString();
	return QString::number(index.row() + 1);
}

QString cellName(const QAbstractItemView * view, const QModelIndex & index) {
	const QString column = columnName(view, index);
	const QString row = rowName(view, index);
	const QString cell = column.isEmpty() ? row : UnkeptInput::tr("%1 in row %2").arg(column, row);
	return view->accessibleName().isEmpty() ? cell : QString("%1: %2").arg(view->accessibleName(), cell);
}

/*! The text of an open number editor when the reader refuses it, else empty. */
QString refusedEditorText(QWidget * editor) {
	if (UserNumberSpinBox * spin = qobject_cast<UserNumberSpinBox *>(editor))
		return spin->refusal().isEmpty() ? QString() : spin->text();
	QComboBox * combo = qobject_cast<QComboBox *>(editor);
	if (combo != nullptr && combo->isEditable() && !QtExt::refusedNumberMessage(combo->currentText()).isEmpty())
		return combo->currentText();
	return QString();
}

} // namespace


const int UnkeptInput::RefusedTextRole = Qt::UserRole + 0x100;


void UnkeptInput::addRefusedTexts(QWidget * page) {
	if (page == nullptr)
		return;
	for (QtExt::ValidatingLineEdit * edit : page->findChildren<QtExt::ValidatingLineEdit *>()) {
		// typed (a refresh's setText() clears the flag): a stored value out of range is no pending text
		if (edit->isVisibleTo(page) && edit->isEnabled() && !edit->isReadOnly() && edit->isModified() && !edit->isValid())
			addField(edit, edit->text());
	}
	for (QAbstractItemView * view : page->findChildren<QAbstractItemView *>()) {
		if (!view->isVisibleTo(page) || view->model() == nullptr)
			continue;
		addOpenEditor(view);
		addCells(view);
	}
}


void UnkeptInput::addField(QWidget * field, const QString & text) {
	Entry entry;
	entry.m_widget = field;
	entry.m_name = PendingEdit::fieldLabel(field);
	entry.m_text = text;
	m_entries.push_back(entry);
}


void UnkeptInput::addCells(QAbstractItemView * view) {
	const QAbstractItemModel * model = view->model();
	for (int row = 0; row < model->rowCount(); ++row)
		for (int col = 0; col < model->columnCount(); ++col) {
			const QModelIndex index = model->index(row, col);
			if (index.data(RefusedTextRole).toString().isEmpty())
				continue;
			Entry entry;
			entry.m_widget = view;
			entry.m_index = index;
			entry.m_name = cellName(view, index);
			entry.m_text = index.data(Qt::EditRole).toString();
			m_entries.push_back(entry);
		}
}


void UnkeptInput::addOpenEditor(QAbstractItemView * view) {
	// the editor of a cell is a child of the viewport while it is open
	const QModelIndex index = view->currentIndex();
	for (QWidget * editor : view->viewport()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
		if (!index.isValid() || !editor->isVisibleTo(view))
			continue;
		const QString text = refusedEditorText(editor);
		if (text.isEmpty())
			continue;
		Entry entry;
		entry.m_widget = editor;
		entry.m_index = index;
		entry.m_name = cellName(view, index);
		entry.m_text = text;
		m_entries.push_back(entry);
	}
}


void UnkeptInput::addLeftOutRow(QAbstractItemView * view, const QModelIndex & index, const QString & name) {
	Entry entry;
	entry.m_widget = view;
	entry.m_index = index;
	entry.m_name = name;
	entry.m_row = true;
	m_entries.push_back(entry);
}


bool UnkeptInput::hasRefusedText() const {
	for (const Entry & e : m_entries)
		if (!e.m_row)
			return true;
	return false;
}


QString UnkeptInput::text() const {
	QStringList lines;
	for (const Entry & e : m_entries) {
		if (e.m_row)
			lines << tr("%1 has no construction: Save leaves it out, with its area, orientation, window and shading.").arg(e.m_name);
		else if (e.m_index.isValid())
			lines << tr("The cell '%1' holds the text '%2', which is not accepted.").arg(e.m_name, e.m_text);
		else if (e.m_name.isEmpty())
			lines << tr("A field holds the text '%1', which is not accepted.").arg(e.m_text);
		else
			lines << tr("The field '%1' holds the text '%2', which is not accepted.").arg(e.m_name, e.m_text);
	}
	return lines.join("\n");
}


bool UnkeptInput::askGoOn(QWidget * parent) const {
	if (isEmpty())
		return true;
	const bool texts = hasRefusedText();
	QMessageBox box(QMessageBox::Warning, texts ? tr("Text not accepted") : tr("Surface left out"), text(),
					QMessageBox::NoButton, parent);
	box.setObjectName("unkeptInputQuestion");
	QString question;
	if (!texts)
		question = tr("Go back to the surface, or go on without it?");
	else if (m_entries.size() == 1 && !m_entries.front().m_index.isValid())
		question = tr("Go back to the field, or go on with the value stored before?");
	else
		question = tr("Go back to the first of them, or go on with the values stored before?");
	box.setInformativeText(question);
	QPushButton * back = box.addButton(tr("Go back"), QMessageBox::RejectRole);
	back->setObjectName("goBack");
	box.addButton(tr("Go on"), QMessageBox::AcceptRole)->setObjectName("goOn");
	box.setDefaultButton(back);
	box.setEscapeButton(back);
	box.exec();
	return box.clickedButton() != back && box.clickedButton() != nullptr;
}


void UnkeptInput::goBack() const {
	if (isEmpty() || m_entries.front().m_widget.isNull())
		return;
	const Entry & e = m_entries.front();
	QAbstractItemView * view = qobject_cast<QAbstractItemView *>(e.m_widget.data());
	if (view != nullptr && e.m_index.isValid()) {
		view->setCurrentIndex(e.m_index);
		view->scrollTo(e.m_index);
		view->setFocus(Qt::OtherFocusReason);
		return;
	}
	e.m_widget->setFocus(Qt::OtherFocusReason);
	if (QLineEdit * edit = qobject_cast<QLineEdit *>(e.m_widget.data()))
		edit->selectAll();
}
