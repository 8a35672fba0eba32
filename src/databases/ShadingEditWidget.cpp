#include "ShadingEditWidget.h"
#include "ui_ShadingEditWidget.h"

#include <RM_Database.h>

#include "DBEditFieldHelpers.h"
#include "ShadingDBModel.h"

ShadingEditWidget::ShadingEditWidget(QWidget * parent, RM::Database * db, ShadingDBModel * dbModel) :
	QWidget(parent),
	m_ui(new Ui::ShadingEditWidget),
	m_db(db),
	m_dbModel(dbModel),
	m_current(nullptr)
{
	m_ui->setupUi(this);
	m_ui->verticalLayout_2->setMargin(0);
	m_ui->stackedWidget->layout()->setMargin(0);
	m_ui->gridLayout->setMargin(0);
	setNameFlags(m_ui->labelNameEn, m_ui->labelNameDe);
	watchNameField(m_ui->lineEditNameEn);
	watchNameField(m_ui->lineEditNameDe);
	m_ui->lineEditZconstant->setup(0, 1, tr("Shading factor must be a percentage, a value between 0 and 1."), true, true);
	updateInput(QModelIndex());
	setMinimumWidth(400);
	setMaximumWidth(400);
}


ShadingEditWidget::~ShadingEditWidget() {
	delete m_ui;
}


void ShadingEditWidget::updateInput(const QModelIndex & index) {
	m_current = nullptr;
	if (!index.isValid()) {
		m_ui->lineEditNameEn->clear();
		m_ui->lineEditNameDe->clear();
		m_ui->lineEditNameEn->setReadOnly(true);
		m_ui->lineEditNameDe->setReadOnly(true);
		m_ui->lineEditZconstant->setReadOnly(true);
		showFieldText(m_ui->lineEditZconstant, QString());
		return;
	}
	RM::ShadingType * sh = m_db->shadingType(m_dbModel->itemId(index));
	if (sh == nullptr)
		return;
	m_ui->lineEditNameEn->setText(sh->nameForLanguage("en"));
	m_ui->lineEditNameDe->setText(sh->nameForLanguage("de"));
	showFieldText(m_ui->lineEditZconstant, QString("%L1").arg(sh->m_z, 0, 'g', -1));
	m_ui->lineEditNameEn->setReadOnly(sh->m_builtin);
	m_ui->lineEditNameDe->setReadOnly(sh->m_builtin);
	m_ui->lineEditZconstant->setReadOnly(sh->m_builtin);
	setBuiltinPalette({m_ui->lineEditNameEn, m_ui->lineEditNameDe}, sh->m_builtin);
	m_current = sh;
}


void ShadingEditWidget::on_lineEditNameEn_editingFinished() {
	if (storeEditedName(m_ui->lineEditNameEn, "en", m_current))
		commitItemEdit(m_db, m_dbModel, m_current->m_id);
}


void ShadingEditWidget::on_lineEditNameDe_editingFinished() {
	if (storeEditedName(m_ui->lineEditNameDe, "de", m_current))
		commitItemEdit(m_db, m_dbModel, m_current->m_id);
}


void ShadingEditWidget::on_lineEditZconstant_editingFinished() {
	double z;
	if (m_current == nullptr || m_current->m_builtin || !editedFieldValue(m_ui->lineEditZconstant, z))
		return;
	if (z == m_current->m_z)
		return;
	m_current->m_z = z;
	acceptFieldText(m_ui->lineEditZconstant);
	commitItemEdit(m_db, m_dbModel, m_current->m_id);
}
