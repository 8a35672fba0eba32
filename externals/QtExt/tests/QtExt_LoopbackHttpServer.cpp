#include "QtExt_LoopbackHttpServer.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

LoopbackHttpServer::LoopbackHttpServer() {
	listen(QHostAddress::LocalHost, 0);
	connect(this, &QTcpServer::newConnection, this, &LoopbackHttpServer::onNewConnection);
}


QString LoopbackHttpServer::baseUrl() const {
	return QString("http://127.0.0.1:%1").arg(serverPort());
}


quint16 LoopbackHttpServer::closedPort() {
	QTcpServer s;
	s.listen(QHostAddress::LocalHost, 0);
	const quint16 port = s.serverPort();
	s.close();
	return port;
}


void LoopbackHttpServer::onNewConnection() {
	while (QTcpSocket * socket = nextPendingConnection()) {
		connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
		connect(socket, &QTcpSocket::readyRead, this, [this, socket]() {
			if (!socket->property("request").isNull())
				return;
			QByteArray request = socket->property("buffer").toByteArray() + socket->readAll();
			if (!request.contains("\r\n\r\n")) {
				socket->setProperty("buffer", request);
				return;
			}
			socket->setProperty("request", request);
			const QString path = QString::fromUtf8(request.split(' ').value(1));
			Response r;
			if (m_responses.contains(path))
				r = m_responses[path];
			else {
				r.m_status = 404;
				r.m_body = "not found";
			}
			QByteArray head = "HTTP/1.1 " + QByteArray::number(r.m_status) + " Status\r\n";
			head += "Content-Type: application/octet-stream\r\nConnection: close\r\n" + r.m_extraHeaders;
			if (r.m_contentLength)
				head += "Content-Length: " + QByteArray::number(r.m_body.size()) + "\r\n";
			if (r.m_pauseMs <= 0) {
				socket->write(head + "\r\n" + r.m_body);
				socket->disconnectFromHost();
				return;
			}
			const int half = r.m_body.size() / 2;
			socket->write(head + "\r\n" + r.m_body.left(half));
			QPointer<QTcpSocket> guard(socket);
			QTimer::singleShot(r.m_pauseMs, this, [guard, r, half]() {
				if (guard.isNull())
					return;
				guard->write(r.m_body.mid(half));
				guard->disconnectFromHost();
			});
		});
	}
}
