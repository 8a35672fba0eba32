#include "BVX_Path.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

#include "BVX_Exception.h"
#include "BVX_FormatText.h"
#include "BVX_MessageHandler.h"
#include "BVX_PlatformFiles.h"
#include "BVX_StringUtils.h"

namespace BVX {

namespace {

const char * const TRIM_CHARS = " \t\r";

bool startsWith(const std::string & s, const char * prefix) {
	return s.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

bool isDrive(const std::string & s) {
	return s.size() == 2 && s[1] == ':';
}

/*! True when one path equals the other or lies inside it (component-wise). */
bool prefixRelated(const Path & a, const Path & b) {
	std::vector<std::string> compA;
	std::vector<std::string> compB;
	explode_char(a.str(), compA, '/');
	explode_char(b.str(), compB, '/');
	const std::size_t n = std::min(compA.size(), compB.size());
	return std::equal(compA.begin(), compA.begin() + static_cast<std::ptrdiff_t>(n), compB.begin());
}

} // namespace


Path::Path(const std::string & path) {
	set(path);
}


Path::Path(const char * path) {
	if (path != nullptr)
		set(path);
}


void Path::set(const std::string & path) {
	m_path = trim_copy(path, TRIM_CHARS);
	std::replace(m_path.begin(), m_path.end(), '\\', '/');
	if (m_path.size() >= 2 && m_path.back() == '/')
		m_path.pop_back();
	removeRelativeParts();
	if (m_path.size() >= 3 && startsWith(m_path, "./"))
		m_path.erase(0, 2);
	if (m_path.size() >= 2 && m_path[1] == ':')
		m_path = first_to_upper(m_path);
}


std::wstring Path::wstr() const {
	return UTF8ToWstring(m_path);
}


bool Path::isAbsolute() const {
	return (!m_path.empty() && m_path[0] == '/') || (m_path.size() >= 2 && m_path[1] == ':');
}


bool Path::hasPlaceholder() const {
	const bool braces = m_path.find('{') != std::string::npos && m_path.find('}') != std::string::npos;
	const bool macro = m_path.find("$(") != std::string::npos && m_path.find(')') != std::string::npos;
	return braces || macro;
}


void Path::addPath(const Path & relPath) {
	const std::string & r = relPath.m_path;
	if (r.empty() || r == "." || r == "/")
		return;
	if (r[0] != '/')
		m_path += '/';
	m_path += r;
	if (startsWith(m_path, "./"))
		m_path.erase(0, 2);
}


Path & Path::operator/=(const std::string & relPath) {
	const Path r(relPath);
	if (r.m_path.empty() || r.m_path == "/" || r.m_path == ".")
		return *this;
	addPath(r);
	return *this;
}


void Path::removeRelativeParts() {
	const bool rooted = !m_path.empty() && m_path[0] == '/';
	const bool drive = m_path.size() >= 2 && m_path[1] == ':';
	if (hasPlaceholder() || !(rooted || drive || m_path.find("/../") != std::string::npos))
		return;

	std::vector<std::string> comps;
	explode_char(m_path, comps, '/');
	bool aboveTop = false;
	for (;;) {
		const auto it = std::find(comps.begin(), comps.end(), "..");
		if (it == comps.end())
			break;
		if (it == comps.begin()) {
			// ".." above the first component discards the whole path
			comps.clear();
			aboveTop = true;
			break;
		}
		comps.erase(it - 1, it + 1);
	}

	if (comps.empty()) {
		// "/" and "/a/.." stay the root directory
		m_path = (rooted && !aboveTop) ? "/" : "";
		return;
	}
	m_path = rooted ? "/" : "";
	for (std::size_t i = 0; i < comps.size(); ++i) {
		if (i > 0)
			m_path += '/';
		m_path += comps[i];
	}
}


Path Path::absolutePath() const {
	if (m_path.empty() || hasPlaceholder())
		return *this;
	Path p(*this);
	p.removeRelativeParts();
	if (p.isAbsolute())
		return p;

	Path abs = current();
	if (!abs.isValid())
		return Path(); // current() has logged why
	std::string rel = p.m_path;
	if (startsWith(rel, "./"))
		rel.erase(0, 2);
	Path relPath;
	relPath.m_path = rel; // already normalised
	abs.addPath(relPath);
	abs.removeRelativeParts();
	return abs;
}


Path Path::filename() const {
	const char * const FUNC_ID = "[Path::filename]";
	if (m_path.empty())
		throw Exception(FormatText("Invalid path: '%1'").arg(m_path), FUNC_ID);
	if (m_path == "." || m_path == "/" || m_path == "./" || isDrive(m_path))
		return Path();
	const std::size_t pos = m_path.rfind('/');
	if (pos == std::string::npos)
		return *this;
	return Path(m_path.substr(pos + 1));
}


Path Path::parentPath() const {
	const char * const FUNC_ID = "[Path::parentPath]";
	if (m_path.empty())
		throw Exception(FormatText("Invalid path: '%1'").arg(m_path), FUNC_ID);
	if (m_path.size() == 2 && m_path.find(':') != std::string::npos)
		throw Exception("No parent possible.", FUNC_ID);
	const std::size_t pos = m_path.rfind('/');
	if (pos == std::string::npos)
		return Path(".");
	if (pos == 0)
		return m_path.size() > 1 ? Path("/") : Path();
	return Path(m_path.substr(0, pos));
}


std::string Path::extension() const {
	const std::string fname = filename().str();
	const std::size_t pos = fname.rfind('.');
	if (pos == std::string::npos || pos + 1 == fname.size())
		return "";
	return fname.substr(pos + 1);
}


Path Path::withoutExtension() const {
	if (filename().str().find('.') == std::string::npos)
		return *this;
	return Path(m_path.substr(0, m_path.rfind('.')));
}


void Path::addExtension(const std::string & ext) {
	std::string e = trim_copy(ext, TRIM_CHARS);
	if (e.empty() || e == ".")
		return;
	if (e[0] != '.')
		e.insert(0, 1, '.');
	m_path += e;
}


bool Path::exists() const {
	return is_drive_root(m_path) || file_status(m_path) != FILE_MISSING;
}


bool Path::isFile() const {
	return file_status(m_path) == FILE_REGULAR;
}


bool Path::isDirectory() const {
	return is_drive_root(m_path) || file_status(m_path) == FILE_DIRECTORY;
}


bool Path::copy(const Path & target) const {
	const char * const FUNC_ID = "[Path::copy]";
	if (!exists())
		return false;
	// compare the absolute forms, so that different spellings of one location are caught
	const Path source = absolutePath();
	const Path dest = target.absolutePath();
	if (!source.isValid() || !dest.isValid() || prefixRelated(source, dest))
		return false;

	int errorCode = 0;
	if (isFile()) {
		if (target.isFile())
			BVX_Message(FormatText("We will overwrite %1").arg(target), MSG_WARNING, FUNC_ID, -1);
		const Path destFile = target.isDirectory() ? dest / filename() : dest;
		return copy_file_replace(source.str(), destFile.str(), errorCode);
	}

	if (target.exists() && !target.isDirectory())
		return false;
	if (!copy_directory_content(source.str(), dest.str(), errorCode)) {
		BVX_Message(FormatText("Cannot copy directory '%1'.\n%2").arg(*this)
					.arg(windows_error_text(static_cast<unsigned int>(errorCode))), MSG_ERROR, FUNC_ID, -1);
		return false;
	}
	return true;
}


Path Path::current() {
	const char * const FUNC_ID = "[current()]";
	std::string dir;
	switch (current_directory(dir)) {
		case CWD_OK :
			return Path(dir);
		case CWD_OUT_OF_MEMORY :
			BVX_Message(FormatText("Out of memory! Can not reserve %1 bytes").arg(max_path_length()), MSG_ERROR, FUNC_ID, -1);
			break;
		case CWD_TOO_LONG :
			BVX_Message(FormatText("Path longer than %1 characters").arg(max_path_length()), MSG_ERROR, FUNC_ID, -1);
			break;
		case CWD_FAILED :
			BVX_Message("Couldn't deduce user directory. ", MSG_ERROR, FUNC_ID, -1);
			break;
	}
	return Path();
}


Path operator/(const Path & lhs, const Path & rhs) {
	Path result(lhs);
	result.addPath(rhs);
	return result;
}


Path operator/(const Path & lhs, const std::string & rhs) {
	return lhs / Path(rhs);
}


Path operator/(const std::string & lhs, const Path & rhs) {
	return Path(lhs) / rhs;
}


Path operator/(const Path & lhs, const char * rhs) {
	return lhs / Path(rhs);
}


Path operator/(const char * lhs, const Path & rhs) {
	return Path(lhs) / rhs;
}


std::string read_file_to_string(const Path & fname) {
	try {
		std::ifstream in(fname.str());
		if (!in)
			return "";
		std::ostringstream content;
		content << in.rdbuf();
		return content.str();
	}
	catch (...) {
		return "";
	}
}


std::string windows_error_text(unsigned int errorCode) {
	const int code = (errorCode == 0) ? last_system_error() : static_cast<int>(errorCode);
	std::string text;
	if (system_error_text(code, text))
		return text;
	return FormatText("Cannot retrieve error message with id %1")
			.arg(errorCode == 0 ? static_cast<unsigned int>(code) : errorCode).str();
}


FormatText & FormatText::arg(const Path & p) {
	return arg(p.str());
}

} // namespace BVX
