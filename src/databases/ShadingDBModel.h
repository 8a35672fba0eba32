#ifndef ShadingDBModelH
#define ShadingDBModelH

#include "DBTableModel.h"

/*! Table of the shading types: id, validity, name, shading factor. */
class ShadingDBModel : public DBTableModel {
	Q_OBJECT
public:
	ShadingDBModel(QObject * parent, RM::Database * db);

	QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

protected:
	int itemCount() const override;
	const RM::AbstractDatabaseItem * itemAt(int row) const override;
	bool itemValid(int row) const override;
	QStringList invalidReasons(int row) const override;
	QString cellText(int row, int column) const override;
	QString headerText(int column) const override;
	int columns() const override { return 4; }
	unsigned int createItem() override;
	void eraseItem(unsigned int id) override;
};

#endif // ShadingDBModelH
