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
	m_modified(false)
{
	m_checkTimer.setSingleShot(true);
	m_checkTimer.setInterval(0);
	connect(&m_checkTimer, &QTimer::timeout, this, &ProjectDocument::checkModified);
	m_cleanContent = content();
}


ProjectDocument::~ProjectDocument() = default;


ProjectDocument::ReadResult ProjectDocument::read(const QString & fileName, QString & errorText) {
	if (!QFile(fileName).open(QIODevice::ReadOnly))
		return CannotOpen;
	RM::Room room;
	try {
		// the reader of the command line: XML errors and bad bytes with their line and column
		room.readProjectFile(fileName, *m_db);
	}
	catch (BVX::Exception & ex) {
		ex.writeMsgStackToError();
		errorText = QString::fromStdString(ex.msgStack());
		return ReadFailed;
	}
	*m_room = room;
	// absolute: the stored last project and the run directory must not depend on the working directory
	m_room->m_projectFilePath = QFileInfo(fileName).absoluteFilePath();
	m_fileStamp = QtExt::FileStamp::of(fileName);
	setClean();
	return Read;
}


void ProjectDocument::reset() {
	*m_room = RM::Room();
	m_fileStamp = QtExt::FileStamp();
	setClean();
}


bool ProjectDocument::changedOnDisk(const QString & fileName) const {
	return QFileInfo(fileName).absoluteFilePath() == QFileInfo(m_room->m_projectFilePath).absoluteFilePath()
			&& !m_fileStamp.matches(fileName);
}


bool ProjectDocument::write(const QString & fileName, QString & reason) {
	const QString previousPath = m_room->m_projectFilePath;
	m_room->m_projectFilePath = fileName;
	const QByteArray bytes = content();
	if (!QtExt::WholeFileWriter::writeFileWithBackup(fileName, bytes, &reason)) {
		BVX::BVX_Message(BVX::FormatText("Cannot write project file '%1': %2.").arg(fileName.toStdString())
						 .arg(reason.toStdString()), BVX::MSG_ERROR, "[ProjectDocument::write]", 1);
		m_room->m_projectFilePath = previousPath;
		return false;
	}
	m_fileStamp = QtExt::FileStamp::of(fileName);
	setClean();
	return true;
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
