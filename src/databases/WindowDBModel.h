#ifndef WindowDBModelH
#define WindowDBModelH

#include "DBTableModel.h"

/*! Table of the window types: id, validity, name, Uw, g, f. */
class WindowDBModel : public DBTableModel {
	Q_OBJECT
public:
	WindowDBModel(QObject * parent, RM::Database * db);

protected:
	int itemCount() const override;
	const RM::AbstractDatabaseItem * itemAt(int row) const override;
	bool itemValid(int row) const override;
	QStringList invalidReasons(int row) const override;
	QString cellText(int row, int column) const override;
	QString headerText(int column) const override;
	int columns() const override { return 6; }
	unsigned int createItem() override;
	void eraseItem(unsigned int id) override;
};

#endif // WindowDBModelH
