#include "ConstructionEditWidget.h"
#include "ui_ConstructionEditWidget.h"

#include <cmath>
#include <set>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QSettings>

#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>
#include <BVX_Path.h>

#include <QtExt_Directories.h>
#include <QtExt_UserNumber.h>
#include <QtExt_ValidatingLineEdit.h>

#include <RM_Database.h>
#include <RM_HygrellExport.h>

#include "ConstructionDBModel.h"
#include "DBEditFieldHelpers.h"
#include "MaterialDBModel.h"
#include "MaterialListDelegate.h"
#include "PendingEdit.h"
#include "UnkeptInput.h"
#include "WheelFocusFilter.h"
#include <RM_ProgramIdentity.h>

namespace {

	const QColor READONLY_BACKGROUND("#d6e9ff");
	const QColor INVALID_BACKGROUND("#ff7777");
	const double DEFAULT_WIDTH = 0.1; // m
	const double MIN_WIDTH = 0.001; // m
	const char * const LAST_EXPORT_DIR_KEY = "LastConstructionExportDirectory";

	// layer colours by position; layers from 12 on keep the layer record's default colour
	const QColor LAYER_COLORS[] = {
		QColor(0, 255, 255), QColor(222, 184, 135), QColor(127, 255, 0), QColor(255, 127, 80),
		QColor(100, 149, 237), QColor(220, 20, 60), QColor(189, 183, 107), QColor(255, 140, 0),
		QColor(143, 188, 143), QColor(255, 20, 147), QColor(30, 144, 255), QColor(255, 215, 0)
	};

	QString formatted(double value, int decimals) {
		return QString("%L1").arg(value, 0, 'f', decimals, QChar(' '));
	}

	QTableWidgetItem * numberItem(const QString & text, bool editable) {
		QTableWidgetItem * item = new QTableWidgetItem(text);
		item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
		if (editable) {
			item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled);
		}
		else {
			item->setFlags(Qt::ItemIsEnabled);
			item->setBackground(READONLY_BACKGROUND);
		}
		return item;
	}

	BVX::Path toPath(const QString & path) {
		return BVX::Path(path.toStdString());
	}

}


ConstructionEditWidget::ConstructionEditWidget(QWidget * parent, RM::Database * db, ConstructionDBModel * dbModel) :
	QWidget(parent),
	m_ui(new Ui::ConstructionEditWidget),
	m_db(db),
	m_dbModel(dbModel),
	m_current(nullptr),
	m_currentId(0),
	m_materialDBModel(new MaterialDBModel(this, db))
{
	m_ui->setupUi(this);
	m_ui->verticalLayout_2->setMargin(0);
	setNameFlags(m_ui->labelNameEn, m_ui->labelNameDe);
	m_ui->spinBoxLayerCount->setMaximum(MAX_LAYERS);
	// a count takes effect when committed: typing 12 must not pass through 1 layer
	m_ui->spinBoxLayerCount->setKeyboardTracking(false);
	WheelFocusFilter::install(m_ui->spinBoxLayerCount);
	watchNameField(m_ui->lineEditNameEn);
	watchNameField(m_ui->lineEditNameDe);

	QTableWidget * table = m_ui->tableWidget;
	table->setColumnCount(5);
	table->setAlternatingRowColors(true);
	MaterialListDelegate * delegate = new MaterialListDelegate(this, db, m_materialDBModel);
	table->setItemDelegateForColumn(0, delegate);
	connect(delegate, &MaterialListDelegate::materialChanged, this, &ConstructionEditWidget::onMaterialChanged);
	table->setHorizontalHeaderLabels(QStringList() << tr("Material") << tr("Width [m]")
		<< tr("rho [kg/m3]") << tr("cT [J/kgK]") << tr("lambda [W/mK]"));
	table->verticalHeader()->setVisible(false);
	QFont boldFont = table->horizontalHeader()->font();
	boldFont.setWeight(75);
	const QFontMetrics fm(boldFont);
	table->verticalHeader()->setDefaultSectionSize(fm.lineSpacing() + 3);
	QHeaderView * header = table->horizontalHeader();
	// the material name keeps a readable width, the last column takes what is left
	header->setSectionResizeMode(0, QHeaderView::Interactive);
	header->resizeSection(0, 18 * fm.averageCharWidth());
	header->setStretchLastSection(true);
	for (int col = 1; col <= 4; ++col) {
		header->setSectionResizeMode(col, QHeaderView::Fixed);
		header->resizeSection(col, fm.horizontalAdvance(table->horizontalHeaderItem(col)->text()) + 8);
	}
	// four layers at least; the table gets two thirds of the width beside the cross-section
	setMinimumVisibleRows(table, 4);
	m_ui->splitter->setStretchFactor(0, 2);
	m_ui->splitter->setStretchFactor(1, 1);
	m_ui->splitter->setSizes({2000, 1000});
	connect(table, &QTableWidget::itemChanged, this, &ConstructionEditWidget::tableItemChanged);
	connect(table, &QTableWidget::itemClicked, this, &ConstructionEditWidget::tableItemClicked);

	QtExt::ConstructionViewWidget * view = m_ui->widgetConstructionView;
	connect(view, &QtExt::ConstructionViewWidget::layerSelected, this, &ConstructionEditWidget::constructionViewlayerSelected);
	connect(view, &QtExt::ConstructionViewWidget::assignMaterial, this, &ConstructionEditWidget::constructionViewAssign_material);
	connect(view, &QtExt::ConstructionViewWidget::insertLayer, this, &ConstructionEditWidget::constructionViewInsert_layer);
	connect(view, &QtExt::ConstructionViewWidget::moveLayer, this, &ConstructionEditWidget::constructionViewMove_layer);
	connect(view, &QtExt::ConstructionViewWidget::removelayer, this, &ConstructionEditWidget::constructionViewRemove_layer);

	connect(m_materialDBModel, &QAbstractItemModel::dataChanged, this, &ConstructionEditWidget::onMaterialsChanged);
	connect(m_materialDBModel, &QAbstractItemModel::rowsInserted, this, &ConstructionEditWidget::onMaterialsChanged);
	connect(m_materialDBModel, &QAbstractItemModel::rowsRemoved, this, &ConstructionEditWidget::onMaterialsChanged);
	connect(m_materialDBModel, &QAbstractItemModel::modelReset, this, &ConstructionEditWidget::onMaterialsChanged);

	setMinimumWidth(500);
	updateInput(QModelIndex());
}


ConstructionEditWidget::~ConstructionEditWidget() {
	delete m_ui;
}


void ConstructionEditWidget::updateInput(const QModelIndex & index) {
	m_current = nullptr;
	m_currentId = 0;
	RM::ConstructionType * con = index.isValid() ? m_db->constructionType(m_dbModel->itemId(index)) : nullptr;
	if (con == nullptr) {
		m_ui->lineEditNameEn->clear();
		m_ui->lineEditNameDe->clear();
		m_ui->lineEditUValue->clear();
		m_ui->lineEditCTm->clear();
		showLayerCount(0);
		m_ui->lineEditNameEn->setReadOnly(true);
		m_ui->lineEditNameDe->setReadOnly(true);
		m_ui->spinBoxLayerCount->setEnabled(false);
		m_ui->tableWidget->setRowCount(0);
		m_ui->pushButtonH6Export->setEnabled(false);
		return;
	}
	m_ui->lineEditNameEn->setText(con->nameForLanguage("en"));
	m_ui->lineEditNameDe->setText(con->nameForLanguage("de"));
	const bool builtin = con->m_builtin;
	m_ui->lineEditNameEn->setReadOnly(builtin);
	m_ui->lineEditNameDe->setReadOnly(builtin);
	m_ui->spinBoxLayerCount->setEnabled(!builtin);
	setBuiltinPalette({m_ui->lineEditNameEn, m_ui->lineEditNameDe, m_ui->spinBoxLayerCount}, builtin);
	m_ui->pushButtonH6Export->setEnabled(true);
	m_current = con;
	m_currentId = con->m_id;
	// showing never changes a type; only an empty user type gets its default layer
	if (con->m_d.empty() && !builtin) {
		setLayerCount(1);
		commitItemEdit(m_db, m_dbModel, m_current->m_id);
	}
	showLayerCount(int(con->m_d.size()));
	updateTable();
	updateConstructionView();
}


void ConstructionEditWidget::onMaterialsChanged() {
	if (m_currentId == 0)
		return;
	// the type may have been replaced with the database contents (a project load)
	m_current = m_db->constructionType(m_currentId);
	if (m_current == nullptr) {
		updateInput(QModelIndex());
		return;
	}
	updateTable();
	updateConstructionView();
}


void ConstructionEditWidget::showLayerCount(int count) {
	QSignalBlocker block(m_ui->spinBoxLayerCount);
	m_ui->spinBoxLayerCount->setMaximum(std::max(MAX_LAYERS, count));
	m_ui->spinBoxLayerCount->setValue(count);
}


RM::ConstructionType * ConstructionEditWidget::editable() const {
	if (m_current == nullptr || m_current->m_builtin)
		return nullptr;
	return m_current;
}


unsigned int ConstructionEditWidget::defaultMaterialId() const {
	return m_db->m_materials.empty() ? 0u : m_db->m_materials.begin()->first;
}


void ConstructionEditWidget::on_lineEditNameEn_editingFinished() {
	if (storeEditedName(m_ui->lineEditNameEn, "en", editable()))
		commitItemEdit(m_db, m_dbModel, m_current->m_id);
}


void ConstructionEditWidget::on_lineEditNameDe_editingFinished() {
	if (storeEditedName(m_ui->lineEditNameDe, "de", editable()))
		commitItemEdit(m_db, m_dbModel, m_current->m_id);
}


void ConstructionEditWidget::on_spinBoxLayerCount_valueChanged(int count) {
	commitTableEdit();
	RM::ConstructionType * con = editable();
	if (con == nullptr || count < 1 || std::size_t(count) == con->m_d.size())
		return;
	setLayerCount(unsigned(count));
	layersChanged();
}


void ConstructionEditWidget::setLayerCount(unsigned int count) {
	const unsigned int matId = defaultMaterialId();
	m_current->m_materialIds.resize(count, matId);
	m_current->m_d.resize(count, DEFAULT_WIDTH);
}


void ConstructionEditWidget::onMaterialChanged(unsigned int materialId, int row) {
	RM::ConstructionType * con = editable();
	if (con == nullptr || row < 0 || std::size_t(row) >= con->m_materialIds.size())
		return;
	// the delegate has written name and id into column 0 and still holds its editor there
	QSignalBlocker block(m_ui->tableWidget);
	m_ui->tableWidget->setItem(row, 1, numberItem(formatted(con->m_d[std::size_t(row)], 3), true));
	fillValueCells(row, m_db->material(materialId));
	if (m_db->material(materialId) != nullptr) {
		con->m_materialIds[std::size_t(row)] = materialId;
		commitItemEdit(m_db, m_dbModel, m_current->m_id);
	}
	updateUValue();
	updateConstructionView();
}


void ConstructionEditWidget::tableItemChanged(QTableWidgetItem * item) {
	RM::ConstructionType * con = editable();
	if (con == nullptr || item == nullptr || item->tableWidget() != m_ui->tableWidget || item->column() != 1)
		return;
	const int row = item->row();
	if (row < 0 || std::size_t(row) >= con->m_d.size())
		return;
	QSignalBlocker block(m_ui->tableWidget);
	double width = 0;
	const QtExt::UserNumberStatus status = QtExt::parseUserNumber(item->text(), width);
	if (status != QtExt::UserNumberStatus::Valid) {
		item->setBackground(INVALID_BACKGROUND);
		item->setToolTip(QtExt::refusedNumberMessage(item->text()));
	}
	else if (width < MIN_WIDTH) {
		item->setBackground(INVALID_BACKGROUND);
		item->setToolTip(tr("Layer widths must be larger than 1 mm. Ignore smaller layers, they will not affect the thermal storage mass!"));
	}
	else {
		item->setBackground(QBrush());
		item->setToolTip(QString());
		item->setData(UnkeptInput::RefusedTextRole, QVariant());
		if (width != con->m_d[std::size_t(row)]) {
			con->m_d[std::size_t(row)] = width;
			commitItemEdit(m_db, m_dbModel, m_current->m_id);
		}
		updateUValue();
		updateConstructionView();
		return;
	}
	item->setData(UnkeptInput::RefusedTextRole, item->toolTip());
	updateUValue();
}


void ConstructionEditWidget::tableItemClicked(QTableWidgetItem * item) {
	if (m_current == nullptr || item == nullptr || item->column() > 1)
		return;
	m_ui->widgetConstructionView->selectLayer(item->row());
}


void ConstructionEditWidget::updateTable() {
	if (m_current == nullptr)
		return;
	QTableWidget * table = m_ui->tableWidget;
	QSignalBlocker block(table);
	// the row count always equals the layer count
	table->setRowCount(int(m_current->m_d.size()));
	for (std::size_t i = 0; i < m_current->m_d.size(); ++i) {
		const int row = int(i);
		const bool readOnly = m_current->m_builtin;
		table->setItem(row, 1, numberItem(formatted(m_current->m_d[i], 3), !readOnly));
		fillMaterialCells(row, m_current->m_materialIds[i], readOnly);
	}
	updateUValue();
}


void ConstructionEditWidget::fillMaterialCells(int row, unsigned int materialId, bool readOnly) {
	QTableWidget * table = m_ui->tableWidget;
	const RM::Material * mat = m_db->material(materialId);
	QTableWidgetItem * nameItem = new QTableWidgetItem(mat == nullptr ? tr("<select material>") : mat->name());
	nameItem->setData(Qt::UserRole, mat == nullptr ? 0u : materialId);
	if (readOnly) {
		nameItem->setFlags(Qt::ItemIsEnabled);
		nameItem->setBackground(READONLY_BACKGROUND);
	}
	else {
		nameItem->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled);
	}
	table->setItem(row, 0, nameItem);
	fillValueCells(row, mat);
}


void ConstructionEditWidget::fillValueCells(int row, const RM::Material * mat) {
	QTableWidget * table = m_ui->tableWidget;
	table->setItem(row, 2, numberItem(mat == nullptr ? QString() : formatted(mat->m_rho, 0), false));
	table->setItem(row, 3, numberItem(mat == nullptr ? QString() : formatted(mat->m_cT, 0), false));
	table->setItem(row, 4, numberItem(mat == nullptr ? QString() : formatted(mat->m_lambda, 4), false));
}


void ConstructionEditWidget::updateUValue() {
	if (m_current == nullptr)
		return;
	double U = 0;
	if (!m_ui->lineEditUValue->isEnabled())
		m_ui->lineEditUValue->clear();
	else if (m_current->UValue(U, *m_db, 0.13, 0.04))
		m_ui->lineEditUValue->setText(formatted(U, 3));
	else
		m_ui->lineEditUValue->setText("---");
	double mass = 0, capacity = 0;
	if (m_current->arealMassAndHeatCapacity(mass, capacity, *m_db))
		m_ui->lineEditCTm->setText(QString("%L1 / %L2").arg(mass, 0, 'f', 0).arg(capacity / 1000, 0, 'f', 1));
	else
		m_ui->lineEditCTm->setText("---");
}


void ConstructionEditWidget::updateConstructionView() {
	m_ui->widgetConstructionView->clear();
	if (m_current == nullptr)
		return;
	QVector<QtExt::ConstructionLayer> layers;
	for (std::size_t i = 0; i < m_current->m_d.size(); ++i) {
		const RM::Material * mat = m_db->material(m_current->m_materialIds[i]);
		if (mat == nullptr)
			return;
		QtExt::ConstructionLayer layer(m_current->m_d[i], mat->name());
		if (i < sizeof(LAYER_COLORS) / sizeof(LAYER_COLORS[0]))
			layer.m_color = LAYER_COLORS[i];
		layer.m_id = int(mat->m_id);
		layers.append(layer);
	}
	m_ui->widgetConstructionView->setData(layers, m_current->m_builtin);
}


void ConstructionEditWidget::constructionViewlayerSelected(int index) {
	if (index != -1)
		m_ui->tableWidget->selectRow(index);
}


void ConstructionEditWidget::constructionViewAssign_material(int index) {
	commitTableEdit();
	if (editable() == nullptr || index < 0 || index >= m_ui->tableWidget->rowCount())
		return;
	m_ui->tableWidget->editItem(m_ui->tableWidget->item(index, 0));
}


void ConstructionEditWidget::constructionViewInsert_layer(int index, bool left) {
	commitTableEdit();
	RM::ConstructionType * con = editable();
	if (con == nullptr || index < 0 || std::size_t(index) >= con->m_d.size() || con->m_d.size() >= std::size_t(MAX_LAYERS))
		return;
	const std::size_t pos = std::size_t(left ? index : index + 1);
	con->m_materialIds.insert(con->m_materialIds.begin() + long(pos), defaultMaterialId());
	con->m_d.insert(con->m_d.begin() + long(pos), DEFAULT_WIDTH);
	layersChanged();
}


void ConstructionEditWidget::constructionViewRemove_layer(int index) {
	commitTableEdit();
	RM::ConstructionType * con = editable();
	// the last layer stays: the count cannot fall below 1
	if (con == nullptr || index < 0 || std::size_t(index) >= con->m_d.size() || con->m_d.size() <= 1)
		return;
	con->m_materialIds.erase(con->m_materialIds.begin() + index);
	con->m_d.erase(con->m_d.begin() + index);
	layersChanged();
}


void ConstructionEditWidget::constructionViewMove_layer(int index, bool left) {
	commitTableEdit();
	RM::ConstructionType * con = editable();
	if (con == nullptr || index < 0 || std::size_t(index) >= con->m_d.size())
		return;
	if ((left && index == 0) || (!left && std::size_t(index) + 1 == con->m_d.size()))
		return;
	const std::size_t a = std::size_t(index);
	const std::size_t b = left ? a - 1 : a + 1;
	std::swap(con->m_materialIds[a], con->m_materialIds[b]);
	std::swap(con->m_d[a], con->m_d[b]);
	layersChanged();
}


void ConstructionEditWidget::commitTableEdit() {
	// the tool bar's buttons take no focus: a width typed without Return is taken before
	// the rows change
	PendingEdit::commitIn(m_ui->tableWidget);
}


void ConstructionEditWidget::layersChanged() {
	commitItemEdit(m_db, m_dbModel, m_current->m_id);
	showLayerCount(int(m_current->m_d.size()));
	updateTable();
	updateConstructionView();
}


QString ConstructionEditWidget::exportConstructionFiles(const RM::Database & db, unsigned int id,
														const QString & chosenFile, QStringList & written)
{
	const RM::ConstructionType * con = db.constructionType(id);
	if (con == nullptr)
		throw BVX::Exception(BVX::FormatText("Unknown construction type %1.").arg(id),
							 "[ConstructionEditWidget::exportConstructionFiles]");
	const QFileInfo info(chosenFile);
	const QString dir = info.absolutePath();
	RM::HygrellExport exporter(&db);
	const BVX::Path conFile = exporter.exportConstruction(id, toPath(dir),
		toPath(chosenFile.isEmpty() ? QString() : info.fileName()), "${Project Directory}/materials");
	written << QString::fromStdString(conFile.str());
	QString report = tr("Created construction file '%1' and the following material files:").arg(written.back()) + "\n";
	const std::set<unsigned int> ids(con->m_materialIds.begin(), con->m_materialIds.end());
	const BVX::Path materialsDir = toPath(dir + "/materials");
	for (unsigned int matId : ids) {
		const QString file = QString::fromStdString(exporter.exportMaterial(matId, materialsDir).str());
		written << file;
		report += file + "\n";
	}
	return report;
}


QString ConstructionEditWidget::chooseExportFile(const QString & defaultName) {
	QSettings settings(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION);
	QString startDir = settings.value(LAST_EXPORT_DIR_KEY).toString();
	if (startDir.isEmpty() || !QFileInfo(startDir).isDir())
		startDir = QDir::homePath();
	QFileDialog dlg(this, tr("Select construction file"), startDir);
	dlg.setAcceptMode(QFileDialog::AcceptSave);
	// the suffix is added before the overwrite question, so that it asks about the real file
	dlg.setDefaultSuffix("h6p");
	dlg.selectFile(defaultName);
	if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
		return QString();
	const QString fname = dlg.selectedFiles().first();
	settings.setValue(LAST_EXPORT_DIR_KEY, QFileInfo(fname).absolutePath());
	return fname;
}


void ConstructionEditWidget::on_pushButtonH6Export_clicked() {
	const char * const FUNC_ID = "[ConstructionEditWidget::on_pushButtonH6Export_clicked]";
	if (m_current == nullptr)
		return;
	const unsigned int id = m_current->m_id;
	QString defaultName;
	try {
		defaultName = QString::fromStdString(RM::HygrellExport(m_db).constructionFileName(id).str());
	}
	catch (BVX::Exception & ex) {
		ex.writeMsgStackToError();
		return;
	}
	const QString fname = chooseExportFile(defaultName);
	if (fname.isEmpty())
		return;
	QDir dir = QFileInfo(fname).absoluteDir();
	// a file named "materials" in the way counts as failure
	if (!QFileInfo(dir.filePath("materials")).isDir() && !dir.mkdir("materials")) {
		QMessageBox::critical(this, tr("Export error"), tr("Could not create subdirectories for export."));
		return;
	}
	QStringList written;
	QString report;
	try {
		report = exportConstructionFiles(*m_db, id, fname, written);
	}
	catch (BVX::Exception & ex) {
		ex.writeMsgStackToError();
		BVX::BVX_Message("Hygrell export failed.", BVX::MSG_ERROR, FUNC_ID, -1);
		QString text = tr("Error during export, see logfile '%1' for details.").arg(QtExt::Directories::globalLogFile());
		if (!written.isEmpty())
			text += "\n" + tr("Files written before the error:") + "\n" + written.join("\n");
		QMessageBox::critical(this, tr("Export error"), text);
		return;
	}
	QMessageBox::information(this, tr("Export complete"), report);
}
