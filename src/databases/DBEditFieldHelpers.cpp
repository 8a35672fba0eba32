#include "DBEditFieldHelpers.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QLabel>
#include <QPixmap>
#include <QPalette>
#include <QScrollBar>
#include <QTableView>
#include <QVariant>
#include <QWidget>

#include <QtExt_ValidatingLineEdit.h>

#include <RM_Database.h>

#include "DBTableModel.h"

namespace {
	const char * const SHOWN_TEXT = "shownText";
}


void showFieldText(QtExt::ValidatingLineEdit * field, const QString & text) {
	field->setText(text);
	field->setProperty(SHOWN_TEXT, text);
}


bool editedFieldValue(QtExt::ValidatingLineEdit * field, double & value) {
	if (field->text() == field->property(SHOWN_TEXT).toString())
		return false;
	if (!field->isValid())
		return false;
	return field->isValidNumber(value);
}


void acceptFieldText(QtExt::ValidatingLineEdit * field) {
	field->setProperty(SHOWN_TEXT, field->text());
}


void watchNameField(QLineEdit * field) {
	QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString & text) {
		QPalette pal;
		if (text.contains(':') || text.contains('|')) {
			pal.setBrush(QPalette::All, QPalette::Base, QBrush(QColor(QtExt::ValidatingLineEdit::INVALID_COLOR)));
			field->setPalette(pal);
			field->setToolTip(QCoreApplication::translate("DBEditFieldHelpers",
				"Names cannot hold the characters ':' and '|'."));
		}
		else if (!field->toolTip().isEmpty()) {
			field->setPalette(pal);
			field->setToolTip(QString());
		}
	});
}


bool storableName(const QLineEdit * field, QString & name) {
	name = field->text().trimmed();
	return !name.contains(':') && !name.contains('|');
}


bool takeStorableName(QLineEdit * field, QString & name) {
	if (!storableName(field, name))
		return false;
	if (field->text() != name)
		field->setText(name);
	return true;
}


void commitItemEdit(RM::Database * db, DBTableModel * model, unsigned int id) {
	db->setModified(true);
	model->setItemModified(id);
}


void setBuiltinPalette(std::initializer_list<QWidget *> widgets, bool readOnlyLook) {
	QPalette pal;
	if (readOnlyLook)
		pal.setBrush(QPalette::All, QPalette::Base, QBrush(QColor(QtExt::ValidatingLineEdit::READONLY_COLOR)));
	for (QWidget * w : widgets)
		w->setPalette(pal);
}


void setMinimumVisibleRows(QTableView * table, int rows) {
	table->setMinimumHeight(table->horizontalHeader()->sizeHint().height()
							+ rows * table->verticalHeader()->defaultSectionSize()
							+ 2 * table->frameWidth() + table->horizontalScrollBar()->sizeHint().height());
}


void setNameFlags(QLabel * english, QLabel * german) {
	english->setText(QString());
	english->setPixmap(QPixmap(":/gfx/gb.png"));
	german->setText(QString());
	german->setPixmap(QPixmap(":/gfx/de.png"));
}
