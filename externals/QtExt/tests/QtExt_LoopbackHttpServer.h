#ifndef QtExt_LoopbackHttpServerH
#define QtExt_LoopbackHttpServerH

#include <QByteArray>
#include <QMap>
#include <QTcpServer>

/*! A minimal HTTP server on 127.0.0.1 for tests: answers each GET with the response
	registered for its path (404 for unknown paths) and closes the connection.
*/
class LoopbackHttpServer : public QTcpServer {
public:
	struct Response {
		int			m_status = 200;
		QByteArray	m_body;
		bool		m_contentLength = true;		///< false: the body ends when the connection closes
		QByteArray	m_extraHeaders;				///< e.g. "Location: /x\r\n"
		int			m_pauseMs = 0;				///< > 0: the second half of the body follows after a pause
	};

	LoopbackHttpServer();

	/*! Base URL "http://127.0.0.1:<port>". */
	QString baseUrl() const;
	void setResponse(const QString & path, const Response & r) { m_responses[path] = r; }

	/*! A port on which nothing listens. */
	static quint16 closedPort();

private:
	void onNewConnection();

	QMap<QString, Response>	m_responses;
};

#endif // QtExt_LoopbackHttpServerH
