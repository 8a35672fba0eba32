#ifndef BVX_PathH
#define BVX_PathH

#include <string>

namespace BVX {

/*! A file path: one UTF-8 string with '/' as the only separator, normalised
	whenever it is set. The empty path is the invalid path.

	Normalisation trims blanks/tabs/carriage returns, turns '\\' into '/', drops one
	trailing '/', resolves "/../" parts of rooted, drive or "/../"-containing paths
	(unless the path has a placeholder such as "${x}" or "$(x)"), drops a leading
	"./" and upper-cases a drive letter.

	Files are opened with str(), which is the native narrow form here.
*/
class Path {
public:
	Path() = default;
	Path(const std::string & path);
	Path(const char * path);

	/*! Stores and normalises 'path'. */
	void set(const std::string & path);

	/*! The normalised UTF-8 path string. */
	std::string str() const { return m_path; }
	/*! The path as a wide string (see UTF8ToWstring()). */
	std::wstring wstr() const;

	bool isValid() const { return !m_path.empty(); }
	/*! Starts with '/' or with a drive ("C:..."). */
	bool isAbsolute() const;
	/*! Contains both '{' and '}', or both "$(" and ')'. */
	bool hasPlaceholder() const;

	/*! Appends a relative path: '/' is inserted unless 'relPath' starts with one,
		an empty 'relPath', "." or "/" change nothing. The result is not normalised
		again ("a" joined with "../b" gives "a/../b"). */
	void addPath(const Path & relPath);

	/*! Normalises 'relPath' and appends it with addPath(). */
	Path & operator/=(const std::string & relPath);

	/*! The path made absolute against the current directory with relative parts removed;
		paths with placeholders are returned as they are. */
	Path absolutePath() const;
	/*! Last component; empty for ".", "/" and a drive. Throws for the empty path. */
	Path filename() const;
	/*! Everything before the last '/'; "." for a path without '/', "/" for a path directly
		below the root. Throws for the empty path and for a drive. */
	Path parentPath() const;
	/*! Text of the file name after its last '.', "" if there is none. Throws for the empty path. */
	std::string extension() const;
	/*! The path without the file name's extension. */
	Path withoutExtension() const;
	/*! Appends 'ext' (trimmed, with a leading '.' added if missing); "" and "." change nothing. */
	void addExtension(const std::string & ext);

	/*! A drive root or an existing file or directory. */
	bool exists() const;
	bool isFile() const;
	/*! A drive root or an existing directory. */
	bool isDirectory() const;

	/*! Copies a file (to a file or into a directory) or the content of a directory
		into the target directory. Refuses a missing source and a target that equals
		the source or lies inside it (or the other way round). Never throws; failures
		are logged and give false. */
	bool copy(const Path & target) const;

	/*! The current working directory; the empty path (with a logged error) on failure. */
	static Path current();

private:
	/*! Resolves ".." components of rooted, drive or "/../"-containing paths without placeholder. */
	void removeRelativeParts();

	std::string m_path;
};

Path operator/(const Path & lhs, const Path & rhs);
Path operator/(const Path & lhs, const std::string & rhs);
Path operator/(const std::string & lhs, const Path & rhs);
Path operator/(const Path & lhs, const char * rhs);
Path operator/(const char * lhs, const Path & rhs);

inline bool operator==(const Path & lhs, const char * rhs) { return lhs.str() == (rhs ? rhs : ""); }
inline bool operator!=(const Path & lhs, const char * rhs) { return !(lhs == rhs); }
inline bool operator==(const Path & lhs, const Path & rhs) { return lhs.str() == rhs.str(); }
inline bool operator!=(const Path & lhs, const Path & rhs) { return lhs.str() != rhs.str(); }
inline bool operator<(const Path & lhs, const Path & rhs) { return lhs.str() < rhs.str(); }

/*! The whole content of a text file; "" if it cannot be opened. Never throws. */
std::string read_file_to_string(const Path & fname);

/*! The system's text for an error number (0: the calling thread's last error), or
	"Cannot retrieve error message with id <code>" if the system has none. */
std::string windows_error_text(unsigned int errorCode);

} // namespace BVX

#endif // BVX_PathH
