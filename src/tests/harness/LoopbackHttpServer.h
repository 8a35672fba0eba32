#ifndef LoopbackHttpServerH
#define LoopbackHttpServerH

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpServer>

namespace GuiTest {

/*! HTTP server on 127.0.0.1 that answers every request with the same body. */
class LoopbackHttpServer : public QObject {
	Q_OBJECT
public:
	explicit LoopbackHttpServer(const QByteArray & body);
	/*! URL of a file path on this server. */
	QString url(const QString & path) const;
	int requests() const { return m_requests; }

private slots:
	void onNewConnection();

private:
	QTcpServer	m_server;
	QByteArray	m_body;
	int			m_requests = 0;
};

} // namespace GuiTest

#endif // LoopbackHttpServerH
