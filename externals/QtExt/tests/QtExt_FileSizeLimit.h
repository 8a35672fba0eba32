#ifndef QtExt_FileSizeLimitH
#define QtExt_FileSizeLimitH

#include <csignal>
#include <sys/resource.h>

#include <QByteArray>
#include <QFile>
#include <QString>

namespace QtExt {

/*! A disk that runs full, without root: while the object lives, no file of this process can
	grow beyond maxBytes (RLIMIT_FSIZE). A write() crossing the limit writes what fits and the
	next one fails with EFBIG ("File too large"), as a full disk fails with ENOSPC. SIGXFSZ,
	which would end the process, is ignored meanwhile. Files already larger stay readable. */
class FileSizeLimit {
public:
	explicit FileSizeLimit(rlim_t maxBytes) {
		::getrlimit(RLIMIT_FSIZE, &m_old);
		m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
		struct rlimit limit = m_old;
		limit.rlim_cur = maxBytes;
		::setrlimit(RLIMIT_FSIZE, &limit);
	}
	~FileSizeLimit() {
		::setrlimit(RLIMIT_FSIZE, &m_old);
		std::signal(SIGXFSZ, m_oldHandler);
	}
	FileSizeLimit(const FileSizeLimit &) = delete;
	FileSizeLimit & operator=(const FileSizeLimit &) = delete;

private:
	struct rlimit	m_old;
	void			(*m_oldHandler)(int);
};

/*! The bytes of a file as they are on the disk ("<missing>" for none), for comparing before and after. */
inline QByteArray fileBytes(const QString & path) {
	QFile f(path);
	return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

/*! Puts content into a file directly, as the old version a writer must keep. */
inline bool writeFileDirectly(const QString & path, const QByteArray & content) {
	QFile f(path);
	return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

} // namespace QtExt

#endif // QtExt_FileSizeLimitH
