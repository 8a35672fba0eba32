#ifndef DBItemUsersH
#define DBItemUsersH

#include <QStringList>

#include <RM_RoomConstruction.h>

namespace RM {
	class Database;
	class Room;
}

/*! Construction types that have a layer of the material, as "name (id)". */
QStringList constructionTypesUsingMaterial(const RM::Database & db, unsigned int materialId);

/*! Surfaces of the project whose id member (construction, window or shading type) holds the
	id, as "Surface n" counted from 1; none without a project. */
QStringList surfacesUsing(const RM::Room * project, unsigned int RM::RoomConstruction::* idMember, unsigned int id);

#endif // DBItemUsersH
