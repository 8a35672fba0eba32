#include "QtExt_StagedInstall.h"

#include <vector>

#include <QDir>
#include <QFileInfo>

namespace QtExt {

namespace {

struct Installed {
	QString	m_entry;
	bool	m_hadOld;
};

/*! Takes the installed entries back into the staging folder and their old versions into place. */
void rollBack(const std::vector<Installed> & installed, const QString & stagingDir, const QString & aside,
			  const QString & targetDir)
{
	for (auto it = installed.rbegin(); it != installed.rend(); ++it) {
		const QString target = targetDir + "/" + it->m_entry;
		QDir().rename(target, stagingDir + "/" + it->m_entry);
		if (it->m_hadOld)
			QDir().rename(aside + "/" + it->m_entry, target);
	}
}

} // namespace


bool StagedInstall::install(const QString & stagingDir, const QStringList & entries, const QString & targetDir,
							QString & failed)
{
	const QString aside = stagingDir + "/.replaced";
	if (!QDir().mkpath(aside)) {
		failed = targetDir;
		return false;
	}
	std::vector<Installed> installed;
	for (const QString & entry : entries) {
		const QString target = targetDir + "/" + entry;
		const QFileInfo old(target);
		const bool hadOld = old.exists() || old.isSymLink();
		// an entry may lie in a subfolder ("materials/a.m6"): its old version goes into the same one
		if (hadOld && (!QDir().mkpath(QFileInfo(aside + "/" + entry).absolutePath())
					   || !QDir().rename(target, aside + "/" + entry))) {
			failed = target;
			rollBack(installed, stagingDir, aside, targetDir);
			return false;
		}
		if (!QDir().rename(stagingDir + "/" + entry, target)) {
			if (hadOld)
				QDir().rename(aside + "/" + entry, target);
			failed = target;
			rollBack(installed, stagingDir, aside, targetDir);
			return false;
		}
		installed.push_back(Installed{ entry, hadOld });
	}
	return true;
}

} // namespace QtExt
