#ifndef QtExt_StagedInstallH
#define QtExt_StagedInstallH

#include <QString>
#include <QStringList>

namespace QtExt {

/*! Puts the files and folders a program wrote into a staging folder in their place, all of them
	or none: each replaces the entry of the same name in the target folder, and when one cannot be
	put in place, those already installed are taken back and the replaced versions restored. */
class StagedInstall {
public:
	/*! Moves entries (names in stagingDir) into targetDir; false with the target that could not
		be replaced in failed, targetDir then as before. The replaced versions are left below
		stagingDir and go with it. */
	static bool install(const QString & stagingDir, const QStringList & entries, const QString & targetDir,
						QString & failed);
};

} // namespace QtExt

#endif // QtExt_StagedInstallH
