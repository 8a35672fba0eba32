#ifndef QtExt_FileSizeLimitH
#define QtExt_FileSizeLimitH

#include <csignal>
#include <sys/resource.h>

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

} // namespace QtExt

#endif // QtExt_FileSizeLimitH
