#include "ProjectDocument.h"

#include <QFile>
#include <QFileInfo>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include <QtExt_WholeFileWriter.h>

#include <RM_Climate.h>
#include <RM_Database.h>
#include <RM_Room.h>

ProjectDocument::ProjectDocument(QObject * parent) :
	QObject(parent),
	m_db(new RM::Database),
	m_climate(new RM::Climate),
	m_room(new RM::Room),
	m_modified(false),
	m_userModeMoistureBalance(false)
{
	m_checkTimer.setSingleShot(true);
	m_checkTimer.setInterval(0);
	connect(&m_checkTimer, &QTimer::timeout, this, &ProjectDocument::checkModified);
	m_cleanContent = content();
}


ProjectDocument::~ProjectDocument() = default;


ProjectDocument::ReadResult ProjectDocument::read(const QString & fileName, QString & errorText) {
	// a pipe or device is not opened here (the open would wait): the reader refuses it with its reason
	const QFileInfo info(fileName);
	if (!info.exists() || (info.isFile() && !QFile(fileName).open(QIODevice::ReadOnly)))
		return CannotOpen;
	RM::Room room;
	QStringList copies;
	try {
		// the reader of the command line: XML errors and bad bytes with their line and column
		room.readProjectFile(fileName, *m_db, &copies);
	}
	catch (BVX::Exception & ex) {
		ex.writeMsgStackToError();
		errorText = QString::fromStdString(ex.msgStack());
		return ReadFailed;
	}
	*m_room = room;
	m_addedCopies = copies;
	// absolute: the stored last project and the run directory must not depend on the working directory
	m_room->m_projectFilePath = QFileInfo(fileName).absoluteFilePath();
	m_fileStamp = QtExt::FileStamp::of(fileName);
	forgetUserMode();
	setClean();
	return Read;
}


void ProjectDocument::reset() {
	*m_room = RM::Room();
	m_fileStamp = QtExt::FileStamp();
	forgetUserMode();
	m_addedCopies.clear();
	setClean();
}


void ProjectDocument::forgetUserMode() {
	m_userModeLocation.clear();
	m_userModeMoistureBalance = false;
}


void ProjectDocument::setDinMode(bool din) {
	RM::DIN4108_2Assessment & assessment = m_room->m_din4108_2Assessment;
	if (assessment.m_active == din)
		return;
	if (din) {
		m_userModeLocation = m_room->m_climateDataPath;
		m_userModeMoistureBalance = m_room->m_moistureBalanceEnabled;
		// the assessment's boundary conditions know no moisture balance
		m_room->m_moistureBalanceEnabled = false;
	}
	else {
		// the location of the DIN mode (a region's file) stays when the user mode had none
		if (!m_userModeLocation.isEmpty())
			m_room->m_climateDataPath = m_userModeLocation;
		// a project read in the DIN mode may carry its moisture balance
		m_room->m_moistureBalanceEnabled = m_room->m_moistureBalanceEnabled || m_userModeMoistureBalance;
		forgetUserMode();
	}
	assessment.m_active = din;
	emit dinModeChanged(din);
	checkModified();
}


void ProjectDocument::setTwoYearSimulation(bool twoYears) {
	m_room->m_cyclicTwoYearSimulation = twoYears;
}


bool ProjectDocument::changedOnDisk(const QString & fileName) const {
	return isProjectFile(fileName) && !m_fileStamp.matches(fileName);
}


bool ProjectDocument::isProjectFile(const QString & fileName) const {
	return !m_room->m_projectFilePath.isEmpty() && QtExt::FileStamp::sameFile(fileName, m_room->m_projectFilePath);
}


ProjectDocument::WriteResult ProjectDocument::write(const QString & fileName, QString & reason, bool overwriteChanges) {
	const QtExt::FileStamp expected = !overwriteChanges && isProjectFile(fileName) ? m_fileStamp : QtExt::FileStamp();
	const QString previousPath = m_room->m_projectFilePath;
	m_room->m_projectFilePath = fileName;
	const QByteArray bytes = content();
	const QtExt::WholeFileWriter::ReplaceResult res =
			QtExt::WholeFileWriter::replaceUnchanged(fileName, bytes, expected, &reason);
	if (res == QtExt::WholeFileWriter::ChangedMeanwhile) {
		m_room->m_projectFilePath = previousPath;
		return ChangedOnDisk;
	}
	if (res != QtExt::WholeFileWriter::Replaced) {
		BVX::BVX_Message(BVX::FormatText("Cannot write project file '%1': %2.").arg(fileName.toStdString())
						 .arg(reason.toStdString()), BVX::MSG_ERROR, "[ProjectDocument::write]", 1);
		m_room->m_projectFilePath = previousPath;
		return WriteFailed;
	}
	// what was written, not what is there by now
	m_fileStamp = QtExt::FileStamp::ofContent(bytes);
	setClean();
	return Written;
}


std::vector<int> ProjectDocument::surfacesLeftOut() const {
	std::vector<int> surfaces;
	for (std::size_t i = 0; i < m_room->m_constructions.size(); ++i)
		if (m_room->m_constructions[i].m_constructionId == 0)
			surfaces.push_back(int(i));
	return surfaces;
}


QByteArray ProjectDocument::content() const {
	return m_room->projectFileContent(*m_db);
}


void ProjectDocument::setClean() {
	m_cleanContent = content();
	checkModified();
}


void ProjectDocument::checkModified() {
	m_checkTimer.stop();
	const bool modified = isModified();
	if (modified == m_modified)
		return;
	m_modified = modified;
	emit modifiedChanged(modified);
}


void ProjectDocument::scheduleCheck() {
	if (!m_checkTimer.isActive())
		m_checkTimer.start();
}
