#ifndef ConstructionEditWidgetH
#define ConstructionEditWidgetH

#include <QStringList>
#include <QWidget>

namespace Ui {
	class ConstructionEditWidget;
}

namespace RM {
	class Database;
	class ConstructionType;
	class Material;
}

class ConstructionDBModel;
class MaterialDBModel;
class QLineEdit;
class QTableWidgetItem;

/*! Edit panel of the construction type page: names, layers (material and width, outside
	first), cross-section, U-value and storage mass, and the export for the hygrothermal
	program. Built-in types are shown read-only. */
class ConstructionEditWidget : public QWidget {
	Q_OBJECT
public:
	/*! Most layers the count spin box and the view's insert offer. */
	static constexpr int MAX_LAYERS = 15;

	ConstructionEditWidget(QWidget * parent, RM::Database * db, ConstructionDBModel * dbModel);
	~ConstructionEditWidget() override;

	/*! Shows the construction type of a row of the model (nothing for an invalid index). */
	virtual void updateInput(const QModelIndex & index);

	/*! Writes the construction type id into the file chosenFile (the default name when it is
		empty) and each distinct material into the sub-directory "materials" beside it, which
		must exist. Returns the report text; throws BVX::Exception on failure. Every file
		written is appended to written, also when a later one fails. */
	static QString exportConstructionFiles(const RM::Database & db, unsigned int id,
										   const QString & chosenFile, QStringList & written);

private slots:
	void on_lineEditNameEn_editingFinished();
	void on_lineEditNameDe_editingFinished();
	void on_spinBoxLayerCount_valueChanged(int count);
	void onMaterialChanged(unsigned int materialId, int row);
	void tableItemChanged(QTableWidgetItem * item);
	void tableItemClicked(QTableWidgetItem * item);
	void on_pushButtonH6Export_clicked();
	void constructionViewlayerSelected(int index);
	void constructionViewAssign_material(int index);
	void constructionViewInsert_layer(int index, bool left);
	void constructionViewRemove_layer(int index);
	void constructionViewMove_layer(int index, bool left);
	/*! Materials changed through any page: names, values, U-value and view follow. */
	void onMaterialsChanged();

private:
	void updateTable();
	void updateConstructionView();
	void updateUValue();
	/*! The current type when it may be changed, else null. */
	RM::ConstructionType * editable() const;
	/*! Smallest material id of the database, 0 without materials. */
	unsigned int defaultMaterialId() const;
	void fillMaterialCells(int row, unsigned int materialId, bool readOnly);
	/*! Density, capacity and conductivity cells of a row; empty for a missing material. */
	void fillValueCells(int row, const RM::Material * mat);
	void setLayerCount(unsigned int count);
	/*! Sets the spin box without calling the count slot; its maximum grows for longer types. */
	void showLayerCount(int count);
	/*! Commit, then refresh table and view. */
	void layersChanged();
	/*! Stores the text of an open cell editor of the layer table. */
	void commitTableEdit();
	/*! Asks for the construction file of an export, starting in the last export directory
		(else the home directory); empty when cancelled. */
	QString chooseExportFile(const QString & defaultName);

	Ui::ConstructionEditWidget *	m_ui;
	RM::Database *					m_db;
	ConstructionDBModel *			m_dbModel;
	RM::ConstructionType *			m_current;
	/*! Id of the shown type (0 for none): the type is looked up again after changes of the
		database made elsewhere. */
	unsigned int					m_currentId;
	MaterialDBModel *				m_materialDBModel;
};

#endif // ConstructionEditWidgetH
