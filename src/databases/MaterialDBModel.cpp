#include "MaterialDBModel.h"

#include <RM_Database.h>

MaterialDBModel::MaterialDBModel(QObject * parent, RM::Database * db) :
	DBTableModel(parent, db, RM::Database::T_Materials)
{
}


int MaterialDBModel::itemCount() const {
	return int(m_db->m_materials.size());
}


const RM::AbstractDatabaseItem * MaterialDBModel::itemAt(int row) const {
	return rowItem(m_db->m_materials, row);
}


bool MaterialDBModel::itemValid(int row) const {
	return rowItem(m_db->m_materials, row)->isValid();
}


QStringList MaterialDBModel::invalidReasons(int row) const {
	// the same bounds as the material's own validity test
	const RM::Material & mat = *rowItem(m_db->m_materials, row);
	QStringList reasons;
	if (!(mat.m_lambda > 0.000001 && mat.m_lambda <= 10000))
		reasons << tr("Thermal conductivity must be above 1e-6 and at most 10000 W/mK.");
	if (!(mat.m_rho >= 1 && mat.m_rho <= 100000))
		reasons << tr("Density must lie between 1 and 100000 kg/m3.");
	if (!(mat.m_cT >= 1 && mat.m_cT <= 10000))
		reasons << tr("Specific heat capacity must lie between 1 and 10000 J/kgK.");
	if (!(mat.m_HPCM >= 0))
		reasons << tr("Latent heat of PCM must not be negative.");
	else if (mat.m_HPCM > 0 && !(mat.m_TPCMLow >= 0 && mat.m_TPCMLow <= 100))
		reasons << tr("Melting point of PCM must lie between 0 and 100 C.");
	return reasons;
}

QString MaterialDBModel::cellText(int row, int column) const {
	const RM::Material & mat = *rowItem(m_db->m_materials, row);
	const std::vector<double> & rh = mat.m_sorptionIsotherm.x();
	const std::vector<double> & w = mat.m_sorptionIsotherm.y();
	switch (column) {
		case 2: return mat.name();
		case 3: return RM::Material::categoryName(mat.m_category);
		case 4: return QString("%L1").arg(mat.m_rho, 0, 'f', 0);
		case 5: return QString("%L1").arg(mat.m_cT, 0, 'f', 0);
		case 6: return QString("%L1").arg(mat.m_lambda, 0, 'f', 4);
		case 7: return QString("%L1").arg(mat.m_mu, 0, 'f', 0);
		case 8:
			// only a point at exactly 80 % relative humidity counts
			for (std::size_t i = 0; i < rh.size() && i < w.size(); ++i)
				if (rh[i] == 0.8)
					return QString("%L1").arg(w[i], 0, 'f', 1);
			return QString();
		case 9:
			if (w.size() < 3)
				return QString();
			return QString("%L1").arg(w.back(), 0, 'f', 1);
		default: return QString();
	}
}


QString MaterialDBModel::headerText(int column) const {
	switch (column) {
		case 0: return tr("Id");
		case 2: return tr("Name");
		case 3: return tr("Category");
		case 4: return tr("rho [kg/m3]");
		case 5: return tr("cT [J/kgK]");
		case 6: return tr("lambda [W/mK]");
		case 7: return tr("mu [---]");
		case 8: return tr("w80 [kg/m3]");
		case 9: return tr("wsat [kg/m3]");
		default: return QString();
	}
}


unsigned int MaterialDBModel::createItem() {
	RM::Material mat;
	mat.setEncodedName("en:<new material>");
	return m_db->addMaterial(mat, 0);
}


void MaterialDBModel::eraseItem(unsigned int id) {
	m_db->removeMaterial(id);
}
