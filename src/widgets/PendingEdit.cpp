#include "PendingEdit.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QWidget>

#include <QtExt_ValidatingLineEdit.h>

void PendingEdit::commit(QWidget * scope) {
	QWidget * focused = QApplication::focusWidget();
	if (scope == nullptr || focused == nullptr)
		return;
	QWidget * window = scope->window();
	if (focused == window || window->isAncestorOf(focused))
		focused->clearFocus();
}


void PendingEdit::commitIn(QWidget * area) {
	QWidget * focused = QApplication::focusWidget();
	if (area != nullptr && focused != nullptr && area->isAncestorOf(focused))
		focused->clearFocus();
}


QtExt::ValidatingLineEdit * PendingEdit::refusedField(QWidget * page) {
	for (QtExt::ValidatingLineEdit * edit : page->findChildren<QtExt::ValidatingLineEdit *>()) {
		// typed (a refresh's setText() clears the flag): a stored value out of range is no pending text
		if (edit->isVisibleTo(page) && edit->isEnabled() && !edit->isReadOnly() && edit->isModified() && !edit->isValid())
			return edit;
	}
	return nullptr;
}


QString PendingEdit::fieldLabel(const QWidget * field) {
	const QWidget * parent = field->parentWidget();
	if (parent == nullptr)
		return QString();
	for (const QGridLayout * grid : parent->findChildren<QGridLayout *>()) {
		const int index = grid->indexOf(const_cast<QWidget *>(field));
		if (index == -1)
			continue;
		int row, column, rowSpan, columnSpan;
		grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
		for (int c = column - 1; c >= 0; --c) {
			QLayoutItem * item = grid->itemAtPosition(row, c);
			const QLabel * label = item != nullptr ? qobject_cast<QLabel *>(item->widget()) : nullptr;
			if (label != nullptr && !label->text().isEmpty()) {
				QString text = label->text().trimmed();
				if (text.endsWith(':'))
					text.chop(1);
				return text;
			}
		}
	}
	return QString();
}
