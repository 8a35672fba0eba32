#include "MaterialEditWidget.h"
#include "ui_MaterialEditWidget.h"

#include <QCoreApplication>

#include <RM_Database.h>

#include "DBEditFieldHelpers.h"
#include "MaterialDBModel.h"

namespace {

	QString formatted(double value, int decimals) {
		return QString("%L1").arg(value, 0, 'f', decimals);
	}

}


MaterialEditWidget::MaterialEditWidget(QWidget * parent, RM::Database * db, MaterialDBModel * dbModel) :
	QWidget(parent),
	m_ui(new Ui::MaterialEditWidget),
	m_db(db),
	m_dbModel(dbModel),
	m_current(nullptr)
{
	m_ui->setupUi(this);
	m_ui->verticalLayout->setMargin(0);
	setNameFlags(m_ui->labelNameEn, m_ui->labelNameDe);
	watchNameField(m_ui->lineEditNameEn);
	watchNameField(m_ui->lineEditNameDe);

	m_ui->lineEditRho->setup(1.00000001, 100000, tr("Mass density must be a value > 1 and < 100000 kg/m3."), true, true);
	m_ui->lineEditCet->setup(1, 10000, tr("Specific heat capacity must be a value between 1 and 10000 J/kgK."), true, true);
	m_ui->lineEditLambda->setup(1e-6, 1000, tr("Thermal conductivity must be a value > 1e-6 and < 1000 W/mK."), true, true);
	m_ui->lineEditPCMEnthalpy->setup(0, 350, tr("Latent heat of PCM must be a value >= 0 and < 350 kJ/kg."), true, true);
	m_ui->lineEditPCMTlow->setup(0, 100, tr("Melting point of PCM must be a value >= 0 and < 100 degree C."), true, true);

	for (unsigned int c = 1; c <= 13; ++c)
		m_ui->comboBoxCategories->addItem(RM::Material::categoryName(c));

	updateInput(QModelIndex());
	setMinimumWidth(320);
	setMaximumWidth(420);
}


MaterialEditWidget::~MaterialEditWidget() {
	delete m_ui;
}


void MaterialEditWidget::updateInput(const QModelIndex & index) {
	m_current = nullptr;
	QtExt::ValidatingLineEdit * const numericFields[] = {m_ui->lineEditRho, m_ui->lineEditCet,
		m_ui->lineEditLambda, m_ui->lineEditPCMEnthalpy, m_ui->lineEditPCMTlow};
	if (!index.isValid()) {
		m_ui->lineEditNameEn->clear();
		m_ui->lineEditNameDe->clear();
		m_ui->lineEditNameEn->setReadOnly(true);
		m_ui->lineEditNameDe->setReadOnly(true);
		for (QtExt::ValidatingLineEdit * f : numericFields) {
			f->setReadOnly(true);
			showFieldText(f, QString());
		}
		m_ui->comboBoxCategories->setCurrentIndex(-1);
		m_ui->comboBoxCategories->setEnabled(false);
		return;
	}
	RM::Material * mat = m_db->material(m_dbModel->itemId(index));
	if (mat == nullptr)
		return;
	m_ui->lineEditNameEn->setText(mat->nameForLanguage("en"));
	m_ui->lineEditNameDe->setText(mat->nameForLanguage("de"));
	m_ui->comboBoxCategories->setCurrentIndex(int(RM::Material::categoryFromInt(int(mat->m_category))) - 1);
	showFieldText(m_ui->lineEditRho, formatted(mat->m_rho, 1));
	showFieldText(m_ui->lineEditCet, formatted(mat->m_cT, 1));
	showFieldText(m_ui->lineEditLambda, formatted(mat->m_lambda, 4));
	showFieldText(m_ui->lineEditPCMEnthalpy, formatted(mat->m_HPCM / 1000, 2));
	showFieldText(m_ui->lineEditPCMTlow, formatted(mat->m_TPCMLow, 1));

	const bool builtin = mat->m_builtin;
	m_ui->lineEditNameEn->setReadOnly(builtin);
	m_ui->lineEditNameDe->setReadOnly(builtin);
	for (QtExt::ValidatingLineEdit * f : numericFields)
		f->setReadOnly(builtin);
	m_ui->comboBoxCategories->setEnabled(!builtin);
	setBuiltinPalette({m_ui->lineEditNameEn, m_ui->lineEditNameDe, m_ui->comboBoxCategories}, builtin);
	m_current = mat;
}


void MaterialEditWidget::on_lineEditNameEn_editingFinished() {
	if (storeEditedName(m_ui->lineEditNameEn, "en", m_current))
		commitItemEdit(m_db, m_dbModel, m_current->m_id);
}


void MaterialEditWidget::on_lineEditNameDe_editingFinished() {
	if (storeEditedName(m_ui->lineEditNameDe, "de", m_current))
		commitItemEdit(m_db, m_dbModel, m_current->m_id);
}


void MaterialEditWidget::on_comboBoxCategories_currentIndexChanged(int index) {
	if (m_current == nullptr || m_current->m_builtin)
		return;
	if (m_current->m_category == static_cast<unsigned int>(index + 1))
		return;
	m_current->m_category = RM::Material::categoryFromInt(index + 1);
	commitItemEdit(m_db, m_dbModel, m_current->m_id);
}


void MaterialEditWidget::on_lineEditRho_editingFinished() {
	storeValue(m_ui->lineEditRho, &RM::Material::m_rho, 1, 1);
}


void MaterialEditWidget::on_lineEditCet_editingFinished() {
	storeValue(m_ui->lineEditCet, &RM::Material::m_cT, 1, 1);
}


void MaterialEditWidget::on_lineEditLambda_editingFinished() {
	storeValue(m_ui->lineEditLambda, &RM::Material::m_lambda, 1, 4);
}


void MaterialEditWidget::on_lineEditPCMEnthalpy_editingFinished() {
	// shown in kJ/kg, stored in J/kg; after an edit with one more decimal
	storeValue(m_ui->lineEditPCMEnthalpy, &RM::Material::m_HPCM, 1000, 3);
}


void MaterialEditWidget::on_lineEditPCMTlow_editingFinished() {
	storeValue(m_ui->lineEditPCMTlow, &RM::Material::m_TPCMLow, 1, 1);
}


void MaterialEditWidget::storeValue(QtExt::ValidatingLineEdit * field, double RM::Material::* member,
									double unitFactor, int decimals)
{
	double value;
	if (m_current == nullptr || m_current->m_builtin || !editedFieldValue(field, value))
		return;
	value *= unitFactor;
	if (value == m_current->*member)
		return;
	m_current->*member = value;
	commitItemEdit(m_db, m_dbModel, m_current->m_id);
	showFieldText(field, formatted(value / unitFactor, decimals));
}
