#ifndef QtExt_ProgramFolderH
#define QtExt_ProgramFolderH

#include <QString>

namespace QtExt {

/*! A folder whose name the program chooses itself (a run's log and result folders): it writes
	its files there only when the folder belongs to the user running it. In a folder shared with
	other users, one of them could otherwise plant a link of that name, or a folder of his own
	with links inside, and have the program write over files of his choice. */
class ProgramFolder {
public:
	/*! Link: the folder may be a link (a name the user chose), its target is checked. */
	enum Links { RefuseLink, FollowLink };

	/*! Creates dir (and missing parents) unless it is there; false when it cannot be created or
		is refused, with the reason in problem (empty when the system gave none). */
	static bool make(const QString & dir, Links links, QString & problem);

	/*! Why the existing dir is refused (a link, another user's folder, no folder); empty when it is fine or missing. */
	static QString refusal(const QString & dir, Links links);
};

} // namespace QtExt

#endif // QtExt_ProgramFolderH
