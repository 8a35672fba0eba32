#include "CaldoryneApplication.h"

#include <QMessageBox>

#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>

CaldoryneApplication::CaldoryneApplication(int & argc, char ** argv) :
	QApplication(argc, argv)
{
}


bool CaldoryneApplication::notify(QObject * receiver, QEvent * event) {
	try {
		return QApplication::notify(receiver, event);
	}
	catch (BVX::Exception & ex) {
		ex.writeMsgStackToError();
		reportEscapedException(ex);
	}
	catch (std::exception & ex) {
		reportEscapedException(ex);
	}
	return false;
}


void CaldoryneApplication::reportEscapedException(const std::exception & ex) {
	const char * const FUNC_ID = "[CaldoryneApplication::notify]";
	BVX::BVX_Message(std::string("Unexpected error in the user interface: ") + ex.what(), BVX::MSG_ERROR, FUNC_ID, -1);
	QMessageBox::critical(activeWindow(), tr("Program error"),
						  tr("An action ended with an unexpected error:\n%1\n\nThe project is still open; "
							 "saving it under a new name keeps the last version unchanged.").arg(QString::fromLocal8Bit(ex.what())));
}
