#include "DatabaseTestFixture.h"

#include <QtExt_LanguageHandler.h>

#include <QAbstractItemModel>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <QTableView>

namespace GuiTest {

namespace {

	template <typename T>
	void put(std::map<unsigned int, T> & table, T item, unsigned int id, const QString & name) {
		item.m_id = id;
		item.m_builtin = id < 10000;
		item.setEncodedName(name);
		table[id] = item;
	}

	RM::Material material(double rho, double lambda, const std::vector<double> & rh, const std::vector<double> & w) {
		RM::Material mat;
		mat.m_rho = rho;
		mat.m_lambda = lambda;
		if (!rh.empty())
			mat.m_sorptionIsotherm.setValues(rh, w);
		return mat;
	}

}


void fillTestDatabase(RM::Database & db) {
	put(db.m_materials, material(1800, 0.03512, {0.5, 0.8, 1.0}, {10, 20, 300}), 5, "en:Brick|de:Ziegel");
	put(db.m_materials, material(950, 0.2, {0.5, 1.0}, {5, 8}), 7, "en:Aerated");
	put(db.m_materials, material(1800, 0.5, {}, {}), 10001, "en:Beta");
	RM::Material alpha = material(1800, 0.04, {}, {});
	alpha.m_category = 0;
	put(db.m_materials, alpha, 10002, "en:Alpha");

	put(db.m_constructions, RM::ConstructionType(), 1, "en:Empty");
	RM::ConstructionType wall;
	wall.m_d = {0.2, 0.1};
	wall.m_materialIds = {5, 999};
	put(db.m_constructions, wall, 10001, "en:Wall");
	RM::ConstructionType slab;
	slab.m_d = {0.1};
	slab.m_materialIds = {10002};
	put(db.m_constructions, slab, 10002, "en:Slab");

	put(db.m_shadingTypes, RM::ShadingType("", 0.5), 1, "en:Blind");
	put(db.m_shadingTypes, RM::ShadingType("", 1.5), 10001, "en:Broken");
	put(db.m_shadingTypes, RM::ShadingType("", 0.25), 10002, "en:Awning");

	put(db.m_windows, RM::WindowType(), 1, "en:Double glazing");
	put(db.m_windows, RM::WindowType(), 10001, "en:My window");

	for (unsigned int & counter : db.m_highestUserId)
		counter = 10002;
	db.setModified(false);
}


ScopedLocale::ScopedLocale(QLocale::Language lang) :
	m_previous(QLocale())
{
	QtExt::LanguageHandler::setDefaultLocale(lang);
}


ScopedLocale::~ScopedLocale() {
	QLocale::setDefault(m_previous);
}

bool selectRowOfId(QTableView * view, unsigned int id) {
	QAbstractItemModel * m = view->model();
	for (int r = 0; r < m->rowCount(); ++r)
		if (m->index(r, 0).data(Qt::UserRole).toUInt() == id) {
			view->setCurrentIndex(m->index(r, 0));
			return true;
		}
	return false;
}



bool showActive(QWidget * window) {
	window->show();
	QApplication::setActiveWindow(window);
	return QTest::qWaitForWindowActive(window);
}


void wheel(QWidget * widget, int angleDelta) {
	const QPointF pos = QRectF(widget->rect()).center();
	QWheelEvent ev(pos, widget->mapToGlobal(pos.toPoint()), QPoint(), QPoint(0, angleDelta),
				   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
	QApplication::sendEvent(widget, &ev);
}


void typeIntoSpinBox(QAbstractSpinBox * box, const QString & text, Qt::Key finish) {
	QLineEdit * edit = box->findChild<QLineEdit *>();
	QTest::mouseClick(edit != nullptr ? static_cast<QWidget *>(edit) : box, Qt::LeftButton);
	box->selectAll();
	QTest::keyClicks(box, text);
	QTest::keyClick(box, finish);
}

} // namespace GuiTest
