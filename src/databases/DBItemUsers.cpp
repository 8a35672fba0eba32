#include "DBItemUsers.h"

#include <algorithm>

#include <QCoreApplication>

#include <RM_Database.h>
#include <RM_Room.h>

QStringList constructionTypesUsingMaterial(const RM::Database & db, unsigned int materialId) {
	QStringList users;
	for (const auto & entry : db.m_constructions) {
		const std::vector<unsigned int> & ids = entry.second.m_materialIds;
		if (std::find(ids.begin(), ids.end(), materialId) != ids.end())
			users << QString("%1 (%2)").arg(entry.second.name()).arg(entry.first);
	}
	return users;
}


QStringList surfacesUsing(const RM::Room * project, unsigned int RM::RoomConstruction::* idMember, unsigned int id) {
	QStringList users;
	if (project == nullptr)
		return users;
	for (std::size_t i = 0; i < project->m_constructions.size(); ++i)
		if (project->m_constructions[i].*idMember == id)
			users << QCoreApplication::translate("DBItemUsers", "Surface %1").arg(i + 1);
	return users;
}
