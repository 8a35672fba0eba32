#include "ConstructionTableDelegate.h"

#include <cmath>

#include <QAbstractItemView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontMetrics>
#include <QFocusEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QToolTip>

#include <limits>

#include <QtExt_UserNumber.h>
#include <QtExt_ValidatingLineEdit.h>
#include <RM_ConstructionType.h>
#include <RM_Database.h>
#include <RM_ShadingType.h>
#include <RM_ValueChecks.h>
#include <RM_WindowType.h>

#include "ConstructionTableModel.h"
#include "UserNumberSpinBox.h"

namespace {

QIcon validityIcon(bool valid) {
	return QIcon(valid ? ":/gfx/ok_16x16.png" : ":/gfx/error_16x16.png");
}

template <typename Map, typename IsValid>
QComboBox * itemCombo(QWidget * parent, const QString & noneText, const Map & items, IsValid isValid) {
	QComboBox * combo = new QComboBox(parent);
	combo->addItem(noneText, 0u);
	for (const auto & item : items)
		combo->addItem(validityIcon(isValid(item.second)),
			QString("%1 [%2]").arg(item.second.name()).arg(item.first), item.first);
	ConstructionTableDelegate::widenPopup(combo);
	return combo;
}

/*! Why a typed angle is refused: the reader's reason, else the range of the combo's
	"minimum" and "maximum" properties when it has them. */
QString angleRefusal(const QComboBox * combo, const QString & text) {
	const QString reason = QtExt::refusedNumberMessage(text);
	const QVariant minimum = combo->property("minimum");
	const QVariant maximum = combo->property("maximum");
	double v = 0;
	if (!reason.isEmpty() || !minimum.isValid() || !QtExt::readUserNumber(text, v))
		return reason;
	if (v >= minimum.toDouble() && v <= maximum.toDouble())
		return QString();
	return ConstructionTableDelegate::tr("Enter an angle from %L1 to %L2 degrees.").arg(minimum.toDouble()).arg(maximum.toDouble());
}

QComboBox * angleCombo(QWidget * parent, const std::vector<int> & angles, const RM::ValueRange * range = nullptr) {
	QComboBox * combo = new QComboBox(parent);
	combo->setEditable(true);
	// the typed text is the value: Return must neither add it as an item nor complete it
	// to a listed angle (the inline completion turned "187.25" into "0")
	combo->setInsertPolicy(QComboBox::NoInsert);
	combo->setCompleter(nullptr);
	combo->setAutoFillBackground(true);
	for (int a : angles)
		combo->addItem(QString::number(a), a);
	if (range != nullptr) {
		combo->setProperty("minimum", range->m_min);
		combo->setProperty("maximum", range->m_max);
	}
	// a typed angle is read as every number: a refused text turns red and says why
	QLineEdit * edit = combo->lineEdit();
	const QPalette normal = edit->palette();
	QObject::connect(edit, &QLineEdit::textChanged, edit, [combo, edit, normal](const QString & text) {
		const QString reason = angleRefusal(combo, text);
		QPalette pal = normal;
		if (!reason.isEmpty())
			pal.setBrush(QPalette::All, QPalette::Base, QColor(QtExt::ValidatingLineEdit::INVALID_COLOR));
		edit->setPalette(pal);
		edit->setToolTip(reason);
	});
	return combo;
}

/*! Why the text of a number editor is refused; empty for other editors and accepted texts. */
QString refusedText(QObject * editor) {
	if (UserNumberSpinBox * spin = qobject_cast<UserNumberSpinBox *>(editor))
		return spin->refusal();
	QComboBox * combo = qobject_cast<QComboBox *>(editor);
	if (combo != nullptr && combo->isEditable())
		return angleRefusal(combo, combo->currentText());
	return QString();
}

const char * const INITIAL_VALUE = "initialValue";

const std::vector<int> ORIENTATIONS = { 0, 90, 180, 270 };
const std::vector<int> INCLINATIONS = { 0, 45, 90 };

} // namespace

ConstructionTableDelegate::ConstructionTableDelegate(QObject * parent, RM::Database * db) :
	QItemDelegate(parent),
	m_db(db)
{
}

void ConstructionTableDelegate::widenPopup(QComboBox * combo) {
	const QFontMetrics fm(combo->view()->font());
	int width = 0;
	for (int i = 0; i < combo->count(); ++i)
		width = std::max(width, fm.horizontalAdvance(combo->itemText(i)));
	// icon, margins and scroll bar
	combo->view()->setMinimumWidth(width + combo->iconSize().width() + 40);
}


bool ConstructionTableDelegate::parseNumber(const QString & text, double & value) {
	return QtExt::readUserNumber(text, value);
}


QVariant ConstructionTableDelegate::editorValue(QWidget * editor) {
	if (QComboBox * combo = qobject_cast<QComboBox *>(editor))
		return combo->isEditable() ? QVariant(combo->currentText()) : combo->currentData();
	if (UserNumberSpinBox * spin = qobject_cast<UserNumberSpinBox *>(editor)) {
		// the typed text as the reader takes it; a refused text holds no value
		double v;
		return spin->typedValue(v) ? QVariant(v) : QVariant();
	}
	if (QDoubleSpinBox * spin = qobject_cast<QDoubleSpinBox *>(editor))
		return spin->value();
	if (QLineEdit * edit = qobject_cast<QLineEdit *>(editor))
		return edit->text();
	return QVariant();
}

QWidget * ConstructionTableDelegate::createEditor(QWidget * parent, const QStyleOptionViewItem & option,
	const QModelIndex & index) const
{
	const RM::Database & db = *m_db;
	switch (index.column()) {
		case ConstructionTableModel::ColConstruction:
			return itemCombo(parent, RM::Database::noConstructionText(), db.m_constructions,
				[&db](const RM::ConstructionType & c) { return c.isValid(db); });
		case ConstructionTableModel::ColWindow:
			return itemCombo(parent, RM::Database::noWindowText(), db.m_windows,
				[](const RM::WindowType & w) { return w.isValid(); });
		case ConstructionTableModel::ColShading:
			return itemCombo(parent, RM::Database::noShadingText(), db.m_shadingTypes,
				[](const RM::ShadingType & s) { return s.isValid(); });
		case ConstructionTableModel::ColKind: {
			QComboBox * combo = new QComboBox(parent);
			for (int k = 0; k < 3; ++k)
				combo->addItem(ConstructionTableModel::kindText(k), k);
			return combo;
		}
		case ConstructionTableModel::ColOrientation:
			return angleCombo(parent, ORIENTATIONS);
		case ConstructionTableModel::ColInclination: {
			QComboBox * combo = angleCombo(parent, INCLINATIONS, &RM::INCLINATION);
			combo->setToolTip(ConstructionTableModel::inclinationHint());
			return combo;
		}
		case ConstructionTableModel::ColOppositeT: {
			QWidget * editor = QItemDelegate::createEditor(parent, option, index);
			editor->setAutoFillBackground(true);
			return editor;
		}
		case ConstructionTableModel::ColArea:
		case ConstructionTableModel::ColWindowArea:
		case ConstructionTableModel::ColAbsorption:
		case ConstructionTableModel::ColRse:
		case ConstructionTableModel::ColRsi: {
			UserNumberSpinBox * spin = new UserNumberSpinBox(parent);
			spin->setFrame(false);
			spin->setAutoFillBackground(true);
			spin->setMaximum(std::numeric_limits<double>::max());
			spin->setMinimum(0);
			spin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
			if (index.column() == ConstructionTableModel::ColRse || index.column() == ConstructionTableModel::ColRsi) {
				spin->setDecimals(3);
				spin->setMinimum(0.001);
			}
			// an absorption coefficient is a share of the incident radiation
			if (index.column() == ConstructionTableModel::ColAbsorption)
				spin->setMaximum(1);
			return spin;
		}
		default:
			return QItemDelegate::createEditor(parent, option, index);
	}
}

void ConstructionTableDelegate::setEditorData(QWidget * editor, const QModelIndex & index) const {
	fillEditor(editor, index);
	// what the editor showed at first: leaving it unchanged writes nothing
	editor->setProperty(INITIAL_VALUE, editorValue(editor));
}


void ConstructionTableDelegate::fillEditor(QWidget * editor, const QModelIndex & index) const {
	const QVariant v = index.data(Qt::EditRole);
	QComboBox * combo = qobject_cast<QComboBox *>(editor);
	if (combo != nullptr && !combo->isEditable()) {
		combo->setCurrentIndex(std::max(0, combo->findData(v.toUInt())));
		return;
	}
	if (combo != nullptr) {
		const double d = v.toDouble();
		const int found = (d == std::floor(d)) ? combo->findData(int(d)) : -1;
		if (found >= 0)
			combo->setCurrentIndex(found);
		else
			combo->setEditText(QString::number(d, 'g', 6));
		combo->lineEdit()->selectAll();
		return;
	}
	if (QDoubleSpinBox * spin = qobject_cast<QDoubleSpinBox *>(editor)) {
		// enough decimals for the stored value: the spin box rounds to its decimals
		const int minDecimals = spin->minimum() > 0 ? 3 : 2;
		spin->setDecimals(UserNumberSpinBox::decimalsFor(v.toDouble(), minDecimals));
	}
	QItemDelegate::setEditorData(editor, index);
	if (QDoubleSpinBox * spin = qobject_cast<QDoubleSpinBox *>(editor))
		spin->selectAll();
}

void ConstructionTableDelegate::setModelData(QWidget * editor, QAbstractItemModel * model, const QModelIndex & index) const {
	if (m_writing)
		return;
	const QVariant initial = editor->property(INITIAL_VALUE);
	if (initial.isValid() && initial == editorValue(editor))
		return;
	m_writing = true;
	QComboBox * combo = qobject_cast<QComboBox *>(editor);
	if (combo != nullptr && !combo->isEditable()) {
		model->setData(index, combo->currentData().toUInt(), Qt::EditRole);
	}
	else if (combo != nullptr) {
		// the text, not the selected item: a value typed and left without Return counts
		double value = 0;
		if (refusedText(combo).isEmpty() && parseNumber(combo->currentText(), value))
			model->setData(index, value, Qt::EditRole);
	}
	else if (UserNumberSpinBox * spin = qobject_cast<UserNumberSpinBox *>(editor)) {
		// the number as typed, not the spin box's value rounded to its decimals; a refused
		// text writes nothing and the cell keeps its value
		double value = 0;
		if (spin->typedValue(value))
			model->setData(index, value, Qt::EditRole);
	}
	else {
		QItemDelegate::setModelData(editor, model, index);
	}
	m_writing = false;
}

bool ConstructionTableDelegate::eventFilter(QObject * object, QEvent * event) {
	// Return or Tab on a refused number keeps the editor open, red and with its reason:
	// the user sees why nothing was taken (Esc or a click elsewhere leaves it unchanged)
	QWidget * editor = qobject_cast<QWidget *>(object);
	// a box over the window (the question naming this text) leaves a refused editor open
	if (editor != nullptr && event->type() == QEvent::FocusOut
			&& static_cast<QFocusEvent *>(event)->reason() == Qt::ActiveWindowFocusReason
			&& !refusedText(editor).isEmpty())
		return true;
	if (editor != nullptr && event->type() == QEvent::KeyPress) {
		const int key = static_cast<QKeyEvent *>(event)->key();
		const bool leaves = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab || key == Qt::Key_Backtab;
		const QString reason = leaves ? refusedText(editor) : QString();
		if (!reason.isEmpty()) {
			QToolTip::showText(editor->mapToGlobal(QPoint(0, editor->height())), reason, editor);
			return true;
		}
	}
	return QItemDelegate::eventFilter(object, event);
}


void ConstructionTableDelegate::paint(QPainter * painter, const QStyleOptionViewItem & option, const QModelIndex & index) const {
	if (index.flags() & Qt::ItemIsEditable) {
		const bool alternate = option.features & QStyleOptionViewItem::Alternate;
		painter->fillRect(option.rect, QColor(alternate ? "#f9f6c8" : "#f9ffd8"));
	}
	QItemDelegate::paint(painter, option, index);
}
