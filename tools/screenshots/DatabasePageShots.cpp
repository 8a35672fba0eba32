#include "DatabasePageShots.h"

#include <memory>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolTip>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <QtExt_ValidatingLineEdit.h>
#include <RM_Database.h>
#include <RM_Room.h>

#include "ConstructionDBWidget.h"
#include "DBModelSortProxy.h"
#include "MaterialDBWidget.h"
#include "ShadingDBWidget.h"
#include "WindowDBWidget.h"

namespace DatabasePageShots {

namespace {

/*! Makes the row of the first item with the given built-in flag current. */
void selectFirst(DBPageBase * page, bool builtin) {
	QAbstractItemModel * m = page->tableView()->model();
	for (int r = 0; r < m->rowCount(); ++r)
		if (m->index(r, 0).data(Qt::UserRole + 1).toBool() == builtin) {
			page->tableView()->setCurrentIndex(m->index(r, 0));
			page->tableView()->scrollTo(m->index(r, 0));
			return;
		}
}

template <typename Page>
std::unique_ptr<Page> shownPage(RM::Database * db) {
	std::unique_ptr<Page> page(new Page(nullptr, db));
	page->resize(1000, 720);
	page->show();
	QApplication::processEvents();
	return page;
}

/*! Empty, built-in item, then a new user item (added by the page's button). */
template <typename Page>
void pageShots(const SaveFunction & save, const QString & name) {
	RM::Database empty;
	save(shownPage<Page>(&empty).get(), QString("db-%1-empty").arg(name));
	RM::Database db;
	db.reload();
	std::unique_ptr<Page> page = shownPage<Page>(&db);
	selectFirst(page.get(), true);
	save(page.get(), QString("db-%1-builtin").arg(name));
	page->addButton()->click();
	save(page.get(), QString("db-%1-user").arg(name));
}

/*! A shown page with a new user item whose row count (spin box) is set; table is the
	editor's table, nullptr when the editor lacks it. */
template <typename Page>
std::unique_ptr<Page> newItemWithRows(RM::Database * db, const char * countName, int count, QTableWidget *& table) {
	std::unique_ptr<Page> page = shownPage<Page>(db);
	page->addButton()->click();
	QSpinBox * spinBox = page->template findChild<QSpinBox *>(countName);
	table = page->template findChild<QTableWidget *>("tableWidget");
	if (spinBox == nullptr)
		table = nullptr;
	else
		spinBox->setValue(count);
	return page;
}


/*! Exports the shown construction type into a temporary folder: the file dialog is
	answered, the report pictured and closed. */
void exportReportShot(ConstructionDBWidget * page, const SaveFunction & save) {
	QPushButton * button = page->findChild<QPushButton *>("pushButtonH6Export");
	if (button == nullptr)
		return;
	QTemporaryDir dir;
	QTimer poll;
	QObject::connect(&poll, &QTimer::timeout, [&]() {
		QWidget * w = QApplication::activeModalWidget();
		if (w == nullptr || !w->isVisible())
			return;
		QFileDialog * fd = qobject_cast<QFileDialog *>(w);
		QLineEdit * name = fd != nullptr ? fd->findChild<QLineEdit *>("fileNameEdit") : nullptr;
		if (name != nullptr) {
			fd->setDirectory(dir.path());
			name->setText("wall.h6p");
			static_cast<QDialog *>(fd)->accept();
			return;
		}
		poll.stop();
		save(w, "db-constructions-export-report");
		w->close();
	});
	poll.start(50);
	button->click();
}


/*! The page with the tool tip of the current row's validity icon drawn over it. */
void invalidToolTipShot(DBPageBase * page, const SaveFunction & save) {
	QTableView * view = page->tableView();
	const QModelIndex current = view->currentIndex();
	const QModelIndex icon = current.sibling(current.row(), 1);
	const QRect cell = view->visualRect(icon);
	QToolTip::showText(view->viewport()->mapToGlobal(cell.center()), icon.data(Qt::ToolTipRole).toString(), view->viewport());
	QApplication::processEvents();
	QWidget * tip = nullptr;
	for (QWidget * w : QApplication::topLevelWidgets())
		if (w->objectName() == "qtooltip_label" && w->isVisible())
			tip = w;
	QPixmap shot = page->grab();
	if (tip != nullptr) {
		QPainter painter(&shot);
		painter.drawPixmap(view->viewport()->mapTo(page, cell.center()) + QPoint(8, 12), tip->grab());
	}
	QToolTip::hideText();
	QLabel picture;
	picture.setPixmap(shot);
	picture.resize(shot.size());
	save(&picture, "db-windows-invalid-tooltip");
}


/*! The construction editor with a 14-layer user type, a refused width and the material
	selector open; the window editor with a five-point curve. */
void editorShots(const SaveFunction & save) {
	RM::Database db;
	db.reload();
	QTableWidget * layerTable = nullptr;
	std::unique_ptr<ConstructionDBWidget> constructions = newItemWithRows<ConstructionDBWidget>(&db, "spinBoxLayerCount", 14, layerTable);
	if (layerTable == nullptr)
		return;
	for (int r = 0; r < 14; ++r)
		layerTable->item(r, 1)->setText(QLocale().toString(0.01 * (r % 4 + 1)));
	save(constructions.get(), "db-constructions-14-layers");
	layerTable->item(1, 1)->setText(QLocale().toString(0.0005));
	layerTable->scrollToTop();
	save(constructions.get(), "db-constructions-refused-width");
	layerTable->edit(layerTable->model()->index(0, 0));
	save(constructions.get(), "db-constructions-material-selector");
	layerTable->item(1, 1)->setText(QLocale().toString(0.02));
	exportReportShot(constructions.get(), save);

	QTableWidget * shgc = nullptr;
	std::unique_ptr<WindowDBWidget> windows = newItemWithRows<WindowDBWidget>(&db, "spinBox", 5, shgc);
	if (shgc == nullptr)
		return;
	const char * const values[] = {"1", "0.97", "0.9", "0.7", "0"};
	const char * const angles[] = {"0", "30", "50", "70", "90"};
	for (int r = 0; r < 5; ++r) {
		shgc->item(r, 0)->setText(QLocale().toString(QString(angles[r]).toDouble()));
		shgc->item(r, 1)->setText(QLocale().toString(QString(values[r]).toDouble()));
	}
	save(windows.get(), "db-windows-shgc-5-points");

	// a relative value above the one at 0 degrees: the icon's tool tip says what is wrong
	shgc->item(1, 1)->setText(QLocale().toString(1.0));
	shgc->item(0, 1)->setText(QLocale().toString(0.9));
	invalidToolTipShot(windows.get(), save);
}

} // namespace


void render(const SaveFunction & save, const SaveModalFunction & saveModal) {
	pageShots<MaterialDBWidget>(save, "materials");
	pageShots<ConstructionDBWidget>(save, "constructions");
	pageShots<WindowDBWidget>(save, "windows");
	pageShots<ShadingDBWidget>(save, "shading-types");
	editorShots(save);

	// materials sorted by rho, a user material with a refused density
	RM::Database db;
	db.reload();
	std::unique_ptr<MaterialDBWidget> materials = shownPage<MaterialDBWidget>(&db);
	materials->tableView()->sortByColumn(4, Qt::AscendingOrder);
	materials->addButton()->click();
	const unsigned int userMaterial = materials->tableView()->currentIndex().data(Qt::UserRole).toUInt();
	QtExt::ValidatingLineEdit * rho = materials->findChild<QtExt::ValidatingLineEdit *>("lineEditRho");
	if (rho != nullptr) {
		rho->setFocus();
		rho->selectAll();
		rho->del();
		QTest::keyClicks(rho, "1");
		QTest::keyClick(rho, Qt::Key_Return);
	}
	const QModelIndex current = materials->tableView()->currentIndex();
	materials->tableView()->scrollTo(current.sibling(current.row(), 4));
	save(materials.get(), "db-materials-sorted-rho-refused");

	// the material is used by a construction type and a surface uses that type
	RM::ConstructionType wall;
	wall.m_d = {0.2};
	wall.m_materialIds = {userMaterial};
	wall.setEncodedName("en:Outer wall|de:Außenwand");
	db.addConstructionType(wall, 0);
	saveModal("db-use-message-material", [&]() { materials->removeButton()->click(); });

	RM::Room room;
	room.m_constructions.resize(1);
	std::unique_ptr<ShadingDBWidget> shading = shownPage<ShadingDBWidget>(&db);
	shading->setProject(&room);
	shading->addButton()->click();
	room.m_constructions[0].m_shadingTypeId = shading->tableView()->currentIndex().data(Qt::UserRole).toUInt();
	saveModal("db-use-message-shading-type", [&]() { shading->removeButton()->click(); });
}

} // namespace DatabasePageShots
