#include "LoopbackHttpServer.h"

#include <QTcpSocket>

namespace GuiTest {

LoopbackHttpServer::LoopbackHttpServer(const QByteArray & body) :
	m_body(body)
{
	connect(&m_server, &QTcpServer::newConnection, this, &LoopbackHttpServer::onNewConnection);
	m_server.listen(QHostAddress::LocalHost);
}


QString LoopbackHttpServer::url(const QString & path) const {
	return QString("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
}


void LoopbackHttpServer::onNewConnection() {
	while (QTcpSocket * socket = m_server.nextPendingConnection()) {
		connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
		connect(socket, &QTcpSocket::readyRead, socket, [this, socket]() {
			// answer once the request header is complete
			if (!socket->peek(socket->bytesAvailable()).contains("\r\n\r\n"))
				return;
			socket->readAll();
			++m_requests;
			socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: "
						  + QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" + m_body);
			socket->disconnectFromHost();
		});
	}
}

} // namespace GuiTest
