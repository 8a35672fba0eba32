#include "TypedNumbers.h"

#include <cmath>
#include <limits>

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>

#include "GuiTestHarness.h"

namespace GuiTest {

namespace {
const double REFUSED = std::numeric_limits<double>::quiet_NaN();
}


bool TypedNumber::value(QLocale::Language lang, double & v) const {
	const double meant = lang == QLocale::German ? m_german : m_english;
	if (std::isnan(meant))
		return false;
	v = meant;
	return true;
}


const std::vector<TypedNumber> & typedNumbers() {
	// German: ',' is the decimal point and '.' is read as one too, unless the text could be
	// a thousands grouping ("1.000"); English: '.' only, a comma is never read
	static const std::vector<TypedNumber> table = {
		{ "0.043", 0.043, 0.043 },
		{ "0,043", REFUSED, 0.043 },
		{ "12.345", 12.345, REFUSED },
		{ "12,5", REFUSED, 12.5 },
		{ "6,0", REFUSED, 6 },
		{ "1.000", 1, REFUSED },
		{ "0.035", 0.035, 0.035 },
		{ "-0.250", -0.25, -0.25 },
		{ "1.500", 1.5, REFUSED },
		{ "2.000,5", REFUSED, REFUSED },
		{ "1e3", 1000, 1000 },
		{ " 7 ", 7, 7 },
		{ "abc", REFUSED, REFUSED },
	};
	return table;
}


QWidget * openCellEditor(QAbstractItemView * view, const QModelIndex & index) {
	QApplication::setActiveWindow(view->window());
	view->scrollTo(index);
	const QRect cell = view->visualRect(index);
	QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
	QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
	QApplication::processEvents();
	return QApplication::focusWidget();
}


QWidget * typeIntoCell(QAbstractItemView * view, const QModelIndex & index, const QString & text, int key) {
	QWidget * editor = openCellEditor(view, index);
	if (editor == nullptr || editor == view)
		return editor;
	GuiTest::controlKey(editor, Qt::Key_A);
	QTest::keyClick(editor, Qt::Key_Delete);
	QTest::keyClicks(editor, text);
	QTest::keyClick(editor, Qt::Key(key));
	// the delegate commits after the key
	QApplication::processEvents();
	return QApplication::focusWidget();
}

} // namespace GuiTest
