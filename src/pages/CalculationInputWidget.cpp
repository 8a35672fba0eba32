#include "CalculationInputWidget.h"
#include "ui_CalculationInputWidget.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QFontMetrics>
#include <QHeaderView>
#include <QMessageBox>
#include <QScrollBar>

#include <BVX_MultiLanguageString.h>
#include <QtExt_Directories.h>
#include <QtExt_LanguageHandler.h>

#include <RM_Climate.h>
#include <RM_ClimateLocationData.h>
#include <RM_Database.h>
#include <RM_Room.h>

#include "ConstructionTableDelegate.h"
#include "ConstructionTableModel.h"
#include "DIN4108_2SettingsWidget.h"
#include "TypedNumber.h"

namespace {

/*! Part of the path of every climate file of the DIN 4108-2 regions. */
const char * const DIN_CLIMATE_FILES = "DIN4108_2";

/*! Widest item name of a database map plus a margin for the icon, at least minWidth. */
template <typename Map>
int maxNameWidth(const QFontMetrics & fm, int minWidth, const Map & items) {
	int width = minWidth;
	for (const auto & item : items)
		width = std::max(width, fm.horizontalAdvance(item.second.name()) + 25);
	return width;
}

/*! The text for the current language of a multi-language string, else the raw text. */
QString localized(const std::string & raw, const QString & langId) {
	const BVX::MultiLanguageString mls(raw);
	if (!mls.languages().empty()) {
		const std::string s = mls.string(langId.toStdString());
		if (!s.empty())
			return QString::fromStdString(s);
	}
	return QString::fromStdString(raw);
}

/*! Text of a location in the list: city, country and source first; the file path is the
	tool tip. Without a city the catalogue's own label. */
QString locationText(const RM::Climate & climate, const QString & path, const QString & langId) {
	const RM::ClimateLocationData * loc = climate.locationData(path);
	if (loc == nullptr || loc->m_city.trimmed().isEmpty())
		return climate.climateDescription(path, langId);
	QString text = localized(loc->m_city.toStdString(), langId);
	const QString country = localized(loc->m_country.toStdString(), langId);
	if (!country.trimmed().isEmpty())
		text += ", " + country;
	if (!loc->m_source.trimmed().isEmpty())
		text += " (" + loc->m_source.trimmed() + ")";
	return text;
}

} // namespace


CalculationInputWidget::CalculationInputWidget(QWidget * parent, RM::Database * db, RM::Climate * climate,
											   RM::Room * room) :
	QWidget(parent),
	m_ui(new Ui::CalculationInputWidget),
	m_db(db),
	m_climate(climate),
	m_room(room)
{
	m_ui->setupUi(this);
	layout()->setContentsMargins(0, 0, 0, 0);
	DIN4108_2SettingsWidget * din = m_ui->groupBoxDIN4108_2Settings;
	din->setAssessment(&m_room->m_din4108_2Assessment);
	connect(din, &DIN4108_2SettingsWidget::shadingControlChanged, this, &CalculationInputWidget::shadingControlChanged);
	din->setVisible(false);

	m_ui->lineEditArea->setup(1e-6, 1e30,
		tr("Area must be a valid size in [m<sup>2</sup>] (higher than 0.001 mm<sup>2</sup>)."), true, true);
	m_ui->lineEditHeight->setup(1e-6, 1000,
		tr("Height must be a valid size in [m] (between 0.001 mm and 1000 m)."), true, true);
	m_ui->lineEditExtraMass->setup(0, 1000000,
		tr("Thermal storage mass must be a value between 0 and 1000000 kg (1000 tons)."), true, true);
	m_ui->lineEditCapacity->setup(0, 1000000,
		tr("Thermal storage capacity must be a value between 0 and 1000 kJ/kgK."), true, true);
	m_ui->lineEditAlbedo->setup(0, 1, tr("Albedo must be a number between 0 and 1 (0 and 100 %%)."), true, true);
	m_ui->lineEditExtraMass->setFormat('f', 1);
	m_ui->lineEditCapacity->setFormat('f', 1);
	// six digits as the automatic format, but every accepted entry is shown in them
	m_ui->lineEditAlbedo->setFormat('g', 6);

	m_climate->parseClimateDataDir(QtExt::Directories::databasesDir() + "/DB_climate",
								   QtExt::Directories::userDataDir() + "/DB_climate");
	// without the regions' climate files the DIN mode has no location to offer
	const QStringList files = m_climate->climateDataFiles();
	const bool dinFiles = std::any_of(files.begin(), files.end(),
									  [](const QString & path) { return path.contains(DIN_CLIMATE_FILES); });
	m_ui->radioButtonDIN4108_2Calculation->setEnabled(dinFiles);

	QTableView * view = m_ui->tableViewConstruction;
	m_constructionTableModel = new ConstructionTableModel(this, m_room, m_db);
	view->setModel(m_constructionTableModel);
	for (int col = ConstructionTableModel::ColKind; col < ConstructionTableModel::NumColumns; ++col)
		view->resizeColumnToContents(col);
	// the id and icon columns are narrower than the header's default minimum
	view->horizontalHeader()->setMinimumSectionSize(20);
	view->horizontalHeader()->setSectionResizeMode(ConstructionTableModel::ColId, QHeaderView::Fixed);
	view->horizontalHeader()->setSectionResizeMode(ConstructionTableModel::ColValid, QHeaderView::Fixed);
	view->setColumnWidth(ConstructionTableModel::ColId, 30);
	view->setColumnWidth(ConstructionTableModel::ColValid, 22);
	view->setItemDelegate(new ConstructionTableDelegate(this, m_db));
	view->verticalHeader()->setVisible(false);
	view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
	view->setAlternatingRowColors(true);
	view->setSelectionMode(QAbstractItemView::SingleSelection);
	view->verticalHeader()->setDefaultSectionSize(QFontMetrics(view->verticalHeader()->font()).lineSpacing() + 6);

	connect(view->verticalHeader(), &QHeaderView::sectionResized,
			this, &CalculationInputWidget::constructionTableColumnResized);
	connect(m_constructionTableModel, &QAbstractItemModel::dataChanged,
			this, &CalculationInputWidget::onConstructionDataChanged);
	connect(m_ui->comboBoxLocation, QOverload<int>::of(&QComboBox::currentIndexChanged),
			this, &CalculationInputWidget::climateLocationChanged);

	showMassRows(true);
	showAlbedoRow(false);
}


CalculationInputWidget::~CalculationInputWidget() {
	// a settings field with the focus finishes its edit while the children go: this page
	// is then no longer a CalculationInputWidget to forward its signals
	disconnect(m_ui->groupBoxDIN4108_2Settings, nullptr, this, nullptr);
	delete m_ui;
}


QTableView * CalculationInputWidget::constructionTableView() const {
	return m_ui->tableViewConstruction;
}


void CalculationInputWidget::updateInput() {
	TypedNumber::show(m_ui->lineEditHeight, m_room->m_height);
	TypedNumber::show(m_ui->lineEditArea, m_room->m_area);
	m_ui->lineEditVolume->setText(QString("%L1").arg(m_room->volume()));
	TypedNumber::show(m_ui->lineEditExtraMass, m_room->m_additionalMass);
	TypedNumber::show(m_ui->lineEditCapacity, m_room->m_additionalMassHeatCapacity);

	showCalculationMode();
	updateLocationList();
	m_replacedLocation.clear();
	int index = projectLocationIndex();
	if (index == -1) {
		// not offered (a missing file, or in the DIN mode one outside the regions): the first
		// entry replaces it, in the DIN mode the file of the stored region; the window says so
		m_replacedLocation = m_room->m_climateDataPath;
		index = m_room->m_din4108_2Assessment.m_active ? std::max(0, m_ui->comboBoxLocation->currentIndex()) : 0;
	}
	setLocationIndexSilently(index);
	climateLocationChanged(index);

	m_constructionTableModel->resetModel();
	TypedNumber::show(m_ui->lineEditAlbedo, m_room->m_albedo);
}


void CalculationInputWidget::updateLocationList() {
	QComboBox * combo = m_ui->comboBoxLocation;
	const QString previous = combo->currentIndex() != -1 ? combo->currentData().toString() : QString();
	combo->blockSignals(true);
	combo->clear();
	const QString langId = QtExt::LanguageHandler::langId();
	const bool userMode = m_ui->radioButtonUserCalculation->isChecked();

	std::vector<std::pair<QString, QString> > locations;	// description, path
	for (const QString & path : m_climate->climateDataFiles()) {
		if (userMode || path.contains(DIN_CLIMATE_FILES, Qt::CaseSensitive))
			locations.emplace_back(locationText(*m_climate, path, langId), path);
	}
	std::sort(locations.begin(), locations.end());
	for (const auto & loc : locations) {
		combo->addItem(loc.first, loc.second);
		combo->setItemData(combo->count() - 1, loc.second, Qt::ToolTipRole);
	}
	ConstructionTableDelegate::widenPopup(combo);

	int index = -1;
	if (userMode) {
		index = combo->findData(previous);
	}
	else {
		const int region = m_room->m_din4108_2Assessment.m_climateRegion;
		if (region >= 0 && region <= 2 && region < combo->count())
			index = region;
	}
	if (index == -1 && combo->count() > 0)
		index = 0;
	combo->setCurrentIndex(index);
	combo->setToolTip(combo->currentData().toString());
	combo->blockSignals(false);
}


void CalculationInputWidget::resizeConstructionTableColumns() {
	QTableView * view = m_ui->tableViewConstruction;
	const QFontMetrics fm(view->font());
	const int MIN_WIDTH = 100;
	view->setColumnWidth(ConstructionTableModel::ColConstruction, maxNameWidth(fm, MIN_WIDTH, m_db->m_constructions) + 60);
	view->setColumnWidth(ConstructionTableModel::ColKind, ConstructionTableModel::kindColumnWidth(fm));
	view->setColumnWidth(ConstructionTableModel::ColWindow, maxNameWidth(fm, MIN_WIDTH, m_db->m_windows) + 60);
	view->setColumnWidth(ConstructionTableModel::ColShading, maxNameWidth(fm, MIN_WIDTH, m_db->m_shadingTypes) + 60);
	view->setColumnWidth(ConstructionTableModel::ColAbsorption, 70);

	int sum = view->verticalHeader()->isVisibleTo(this) ? view->verticalHeader()->width() : 0;
	for (int col = 0; col < ConstructionTableModel::NumColumns; ++col)
		sum += view->columnWidth(col);
	// the always-on scroll bar takes its share of the view
	const int free = view->viewport()->width() - 2 - sum;
	if (free > 0)
		view->setColumnWidth(ConstructionTableModel::ColConstruction,
							 view->columnWidth(ConstructionTableModel::ColConstruction) + free);

	m_ui->labelVolume->setMinimumWidth(m_ui->labelExtraMass->width());
	showMassRows(false);
}


void CalculationInputWidget::on_lineEditExtraMass_editingFinished() {
	TypedNumber::take(m_ui->lineEditExtraMass, m_room->m_additionalMass);
}


void CalculationInputWidget::on_lineEditCapacity_editingFinished() {
	TypedNumber::take(m_ui->lineEditCapacity, m_room->m_additionalMassHeatCapacity);
}


void CalculationInputWidget::on_lineEditHeight_editingFinished() {
	if (TypedNumber::take(m_ui->lineEditHeight, m_room->m_height))
		m_ui->lineEditVolume->setText(QString("%L1").arg(m_room->volume(), 0, 'f', 3));
}


void CalculationInputWidget::on_lineEditArea_editingFinished() {
	if (TypedNumber::take(m_ui->lineEditArea, m_room->m_area))
		m_ui->lineEditVolume->setText(QString("%L1").arg(m_room->volume(), 0, 'f', 3));
}


void CalculationInputWidget::on_lineEditAlbedo_editingFinished() {
	TypedNumber::take(m_ui->lineEditAlbedo, m_room->m_albedo);
}


void CalculationInputWidget::climateLocationChanged(int index) {
	const QString path = m_ui->comboBoxLocation->itemData(index == -1 ? 0 : index, Qt::UserRole).toString();
	QString reason;
	if (!m_climate->loadClimateData(path, &reason)) {
		// the reader's own words name the file, line and field of what it refused
		QMessageBox::critical(this, tr("Error loading climatic data"),
			tr("Could not load climatic data in directory '%1', see error log '%2' for details!")
				.arg(path, QtExt::Directories::globalLogFile()) + "\n\n" + reason);
		m_ui->textBrowserClimateDataInfo->clear();
		// the project keeps its location: the list shows it again
		const int projectIndex = projectLocationIndex();
		if (projectIndex != -1)
			setLocationIndexSilently(projectIndex);
		return;
	}

	if (m_ui->radioButtonDIN4108_2Calculation->isChecked()) {
		const QString city = QString::fromStdString(m_climate->m_solarRadiationModel.m_climateDataLoader.m_city);
		const QStringList regions = { "Region A", "Region B", "Region C" };
		m_room->m_din4108_2Assessment.m_climateRegion = std::max(0, regions.indexOf(city));
	}
	m_room->m_climateDataPath = path;
	m_ui->comboBoxLocation->setToolTip(path);
	m_ui->textBrowserClimateDataInfo->setHtml(climateInfoHtml());
	m_ui->groupBoxDIN4108_2Settings->updateClimateRegion();
	emit loadsChanged();
}


QString CalculationInputWidget::climateInfoHtml() const {
	const ClimateDataLoader & loader = m_climate->m_solarRadiationModel.m_climateDataLoader;
	const QString langId = QtExt::LanguageHandler::langId();
	// header texts are the file's own: escaped, so that "<" or "&" cannot garble the page
	const QString city = localized(loader.m_city, langId).toHtmlEscaped();
	const QString country = localized(loader.m_country, langId).toHtmlEscaped();
	const QString source = QString::fromStdString(loader.m_source).toHtmlEscaped();
	const QString comment = QString::fromStdString(loader.m_comment).toHtmlEscaped();
	// hours the reader repaired, each named in the program log; first, so that the short
	// info box shows it without scrolling
	const std::size_t repairedCount = loader.m_repairedHours.size();
	QString repaired;
	if (repairedCount == 1)
		repaired = "<p>" + tr("On reading, the radiation of 1 hour lay outside what the sun delivers "
							  "and was repaired (the program log names the hour).") + "</p>";
	else if (repairedCount > 1)
		repaired = "<p>" + tr("On reading, the radiation of %1 hours lay outside what the sun delivers "
							  "and was repaired (the program log names the hours).").arg(repairedCount) + "</p>";
	return QString("<html><body>")
		+ repaired
		+ "<p>" + tr("City/Country") + ": <b>" + city + "</b>/" + "<b>" + country + "</b>, "
		+ tr("Source") + ": <b>" + source + "</b><br>"
		+ tr("Longitude") + ": <b>" + QString("%L1").arg(loader.m_longitude, 0, 'f', 2) + " Deg</b>, "
		+ tr("Latitude") + ": <b>" + QString("%L1").arg(loader.m_latitude, 0, 'f', 2) + " Deg</b></p>"
		+ "<p>" + comment + "</p>"
		+ "</body></html>";
}


int CalculationInputWidget::projectLocationIndex() const {
	return m_ui->comboBoxLocation->findData(m_room->m_climateDataPath);
}


void CalculationInputWidget::setLocationIndexSilently(int index) {
	m_ui->comboBoxLocation->blockSignals(true);
	m_ui->comboBoxLocation->setCurrentIndex(index);
	m_ui->comboBoxLocation->setToolTip(m_ui->comboBoxLocation->currentData().toString());
	m_ui->comboBoxLocation->blockSignals(false);
}


void CalculationInputWidget::onConstructionDataChanged(QModelIndex, QModelIndex) {
}


void CalculationInputWidget::constructionTableColumnResized(int, int, int) {
}


void CalculationInputWidget::on_toolButtonToggleAdvancedRoomProperties_toggled(bool checked) {
	showMassRows(checked);
}


void CalculationInputWidget::on_toolButtonToggleAdvancedClimateProperties_toggled(bool checked) {
	showAlbedoRow(checked);
}


void CalculationInputWidget::on_radioButtonUserCalculation_toggled(bool checked) {
	if (!checked == m_room->m_din4108_2Assessment.m_active)
		return;
	emit calculationModeChosen(!checked);
	// a mode nobody switched to: the buttons show the room's again
	if (!checked != m_room->m_din4108_2Assessment.m_active)
		showCalculationMode();
}


void CalculationInputWidget::showSwitchedMode() {
	showCalculationMode();
	// the DIN mode offers the regions' files only, the list index is the region; the user
	// mode shows the location the document gave back
	updateLocationList();
	const int index = projectLocationIndex();
	if (!m_room->m_din4108_2Assessment.m_active && index != -1)
		setLocationIndexSilently(index);
	climateLocationChanged(m_ui->comboBoxLocation->currentIndex());
}


void CalculationInputWidget::showCalculationMode() {
	const bool din = m_room->m_din4108_2Assessment.m_active;
	const QSignalBlocker blockDin(m_ui->radioButtonDIN4108_2Calculation);
	const QSignalBlocker blockUser(m_ui->radioButtonUserCalculation);
	m_ui->radioButtonDIN4108_2Calculation->setChecked(din);
	m_ui->radioButtonUserCalculation->setChecked(!din);
	m_ui->groupBoxDIN4108_2Settings->updateInput();
	m_ui->groupBoxDIN4108_2Settings->setVisible(din);
}


void CalculationInputWidget::showMassRows(bool visible) {
	m_ui->lineEditCapacity->setVisible(visible);
	m_ui->lineEditExtraMass->setVisible(visible);
	m_ui->labelCapacity->setVisible(visible);
	m_ui->labelExtraMass->setVisible(visible);
}


void CalculationInputWidget::showAlbedoRow(bool visible) {
	m_ui->lineEditAlbedo->setVisible(visible);
	m_ui->labelAlbedo->setVisible(visible);
}
