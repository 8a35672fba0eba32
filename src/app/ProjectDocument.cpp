#include "ProjectDocument.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include <RM_Climate.h>
#include <RM_Database.h>
#include <RM_Room.h>

namespace {

/*! Replaces fileName + ".bak" with the current content of fileName; a warning when that fails. */
void refreshBackup(const QString & fileName) {
	const char * const FUNC_ID = "[ProjectDocument::write]";
	QFile current(fileName);
	QSaveFile backup(fileName + ".bak");
	if (current.open(QIODevice::ReadOnly) && backup.open(QIODevice::WriteOnly)
			&& backup.write(current.readAll()) == current.size() && backup.commit())
		return;
	BVX::BVX_Message(BVX::FormatText("Cannot write backup file '%1'.").arg((fileName + ".bak").toStdString()),
					 BVX::MSG_WARNING, FUNC_ID, 1);
}

} // namespace


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
	const char * const FUNC_ID = "[ProjectDocument::read]";
	QFile file(fileName);
	if (!file.open(QIODevice::ReadOnly))
		return CannotOpen;
	RM::Room room;
	QXmlStreamReader reader(&file);
	try {
		room.readXML(reader, *m_db);
	}
	catch (BVX::Exception & ex) {
		ex.writeMsgStackToError();
		errorText = QString::fromStdString(ex.msgStack());
		return ReadFailed;
	}
	if (reader.error() != QXmlStreamReader::NoError) {
		BVX::BVX_Message(reader.errorString().toStdString(), BVX::MSG_ERROR, FUNC_ID, -1);
		errorText.clear();
		return ReadFailed;
	}
	*m_room = room;
	// absolute: the stored last project and the run directory must not depend on the working directory
	m_room->m_projectFilePath = QFileInfo(fileName).absoluteFilePath();
	setClean();
	return Read;
}


void ProjectDocument::reset() {
	*m_room = RM::Room();
	setClean();
}


bool ProjectDocument::write(const QString & fileName) {
	const QString previousPath = m_room->m_projectFilePath;
	m_room->m_projectFilePath = fileName;
	const QByteArray bytes = content();
	if (!writeWithBackup(fileName, bytes)) {
		m_room->m_projectFilePath = previousPath;
		return false;
	}
	setClean();
	return true;
}


bool ProjectDocument::writeWithBackup(const QString & fileName, const QByteArray & content) {
	QSaveFile file(fileName);
	if (!file.open(QIODevice::WriteOnly))
		return false;
	if (file.write(content) != content.size())
		return false;
	if (QFileInfo::exists(fileName))
		refreshBackup(fileName);
	return file.commit();
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
