#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <stdlib.h>

#include "BVX_Exception.h"
#include "BVX_FormatText.h"
#include "BVX_MessageHandler.h"
#include "BVX_Path.h"

using BVX::Path;

namespace {

/*! A fresh directory under the system temp dir, removed afterwards. */
class TempDir {
public:
	TempDir() {
		std::string pattern = (std::filesystem::temp_directory_path() / "bvxpathXXXXXX").string();
		m_dir = mkdtemp(&pattern[0]) != nullptr ? pattern : std::string();
	}
	~TempDir() {
		std::error_code ec;
		if (!m_dir.empty())
			std::filesystem::remove_all(m_dir, ec);
	}
	Path path() const { return Path(m_dir); }
private:
	std::string m_dir;
};

void writeFile(const Path & p, const std::string & content) {
	std::ofstream out(p.str(), std::ios::binary);
	out << content;
}

/*! Collects the messages sent while it is the current handler. */
class RecordingHandler : public BVX::MessageHandler {
public:
	RecordingHandler() { BVX::MessageHandlerRegistry::instance().setMessageHandler(this); }
	~RecordingHandler() override { BVX::MessageHandlerRegistry::instance().setMessageHandler(nullptr); }
	void msg(const std::string & text, int t, const char * functionID, int) override {
		m_log += std::to_string(t) + std::string(functionID ? functionID : "") + text + "\n";
	}
	std::string m_log;
};

/*! Restores the working directory on scope exit. */
class ScopedChdir {
public:
	explicit ScopedChdir(const std::string & dir) : m_old(std::filesystem::current_path()) {
		std::filesystem::current_path(dir);
	}
	~ScopedChdir() {
		std::error_code ec;
		std::filesystem::current_path(m_old, ec);
	}
private:
	std::filesystem::path m_old;
};

} // namespace


TEST(Path, Normalisation) {
	struct Case {
		const char * input;
		const char * expected;
	};
	const Case cases[] = {
		{" C:\\Data\\Project\\ ",	"C:/Data/Project"},
		{"c:\\x\\..\\y",			"C:/y"},
		{"./a/b",					"a/b"},
		{"./",						"."},
		{".",						"."},
		{"../a",					"../a"},			// relative paths keep their ".."
		{"a/..",					"a/.."},
		{"a/../b",					"b"},				// contains "/../"
		{"/a/b/../../c",			"/c"},
		{"D:/../x",					"x"},				// the drive goes with the ".."
		{"/x/../../y",				""},				// above the top: nothing left
		{"C:/a/./b/../c",			"C:/a/./c"},		// "." components are kept
		{"/a//b",					"/a/b"},
		{"a//",						"a/"},				// only one trailing '/' is removed
		{"/",						"/"},
		{"/a/..",					"/"},
		{"//",						"/"},
		{"\t/home/u\r",				"/home/u"},
		{"${DIR}/../x",				"${DIR}/../x"},		// placeholders keep their relative parts
		{"/$(HOME)/a/../b",			"/$(HOME)/a/../b"},
		{"{/a/../b",				"{/b"},				// one brace alone is no placeholder
		{"",						""},
		{"  ",						""},
	};
	for (const Case & c : cases) {
		Path p(c.input);
		EXPECT_EQ(p.str(), c.expected) << "input '" << c.input << "'";
		Path q;
		q.set(c.input);
		EXPECT_EQ(q.str(), c.expected);
	}
	EXPECT_FALSE(Path(static_cast<const char *>(nullptr)).isValid());
}


TEST(Path, Predicates) {
	EXPECT_TRUE(Path("/a").isAbsolute());
	EXPECT_TRUE(Path("c:/a").isAbsolute());
	EXPECT_FALSE(Path("a/b").isAbsolute());
	EXPECT_FALSE(Path().isAbsolute());
	EXPECT_FALSE(Path().isValid());
	EXPECT_TRUE(Path("{x}").hasPlaceholder());
	EXPECT_TRUE(Path("}a{").hasPlaceholder());
	EXPECT_TRUE(Path("$(x)/y").hasPlaceholder());
	EXPECT_FALSE(Path("$x)").hasPlaceholder());
	EXPECT_TRUE(Path("a/b") == "a/b");
	EXPECT_TRUE(Path("a\\b") == Path("a/b"));
	EXPECT_EQ(BVX::FormatText("file '%1'").arg(Path("c:\\f.txt")).str(), "file 'C:/f.txt'");
	EXPECT_EQ(Path("/a/\xC3\xA4").wstr(), L"/a/\u00E4");
}


TEST(Path, Decomposition) {
	struct Case {
		const char * path;
		const char * filename;
		const char * parent;
		const char * extension;
		const char * withoutExtension;
	};
	const Case cases[] = {
		{"C:/a/b.txt",			"b.txt",			"C:/a",		"txt",		"C:/a/b"},
		{"C:/a",				"a",				"C:",		"",			"C:/a"},
		{"file.txt",			"file.txt",			".",		"txt",		"file"},
		{"archive.tar.gz",		"archive.tar.gz",	".",		"gz",		"archive.tar"},
		{"README",				"README",			".",		"",			"README"},
		{"name.",				"name.",			".",		"",			"name"},
		{"dir/.ini",			".ini",				"dir",		"ini",		"dir"},
		{"a.d/b",				"b",				"a.d",		"",			"a.d/b"},
		{"/a",					"a",				"/",		"",			"/a"},
		{"/usr/lib",			"lib",				"/usr",		"",			"/usr/lib"},
		{"/",					"",					"",			"",			"/"},
		{".",					"",					".",		"",			"."},
		{"..",					"..",				".",		"",			"."},
	};
	for (const Case & c : cases) {
		const Path p(c.path);
		EXPECT_EQ(p.filename().str(), c.filename) << c.path;
		EXPECT_EQ(p.parentPath().str(), c.parent) << c.path;
		EXPECT_EQ(p.extension(), c.extension) << c.path;
		EXPECT_EQ(p.withoutExtension().str(), c.withoutExtension) << c.path;
	}

	EXPECT_EQ(Path("C:").filename().str(), "");
	try {
		Path("C:").parentPath();
		FAIL() << "drive has no parent";
	}
	catch (BVX::Exception & ex) {
		EXPECT_STREQ(ex.what(), "No parent possible.");
		EXPECT_EQ(ex.messages().back().m_functionID, "[Path::parentPath]");
	}
	try {
		Path().extension();
		FAIL() << "empty path has no file name";
	}
	catch (BVX::Exception & ex) {
		EXPECT_STREQ(ex.what(), "Invalid path: ''");
		EXPECT_EQ(ex.messages().back().m_functionID, "[Path::filename]");
	}
	EXPECT_THROW(Path().parentPath(), BVX::Exception);
}


TEST(Path, Joining) {
	struct Case {
		const char * left;
		const char * right;
		const char * expected;
	};
	const Case cases[] = {
		{"C:/a",	"b",		"C:/a/b"},
		{"C:/a",	"/b",		"C:/a/b"},
		{"C:/a",	".",		"C:/a"},
		{"C:/a",	"/",		"C:/a"},
		{"C:/a",	"",			"C:/a"},
		{"a",		"../b",		"a/../b"},		// not normalised again
		{"",		"b",		"/b"},
		{".",		"b",		"b"},
		{"C:/a",	"c:\\x\\",	"C:/a/C:/x"},
	};
	for (const Case & c : cases) {
		EXPECT_EQ((Path(c.left) / Path(c.right)).str(), c.expected) << c.left << " / " << c.right;
		EXPECT_EQ((Path(c.left) / std::string(c.right)).str(), c.expected);
		EXPECT_EQ((std::string(c.left) / Path(c.right)).str(), c.expected);
		EXPECT_EQ((Path(c.left) / c.right).str(), c.expected);
		Path p(c.left);
		p /= std::string(c.right);
		EXPECT_EQ(p.str(), c.expected);
	}

	Path base("C:/data/file");
	base.addExtension(" txt ");
	EXPECT_EQ(base.str(), "C:/data/file.txt");
	base.addExtension(".bak");
	EXPECT_EQ(base.str(), "C:/data/file.txt.bak");
	base.addExtension(".");
	base.addExtension("\t");
	EXPECT_EQ(base.str(), "C:/data/file.txt.bak");
}


TEST(Path, AbsolutePath) {
	TempDir tmp;
	ASSERT_TRUE(tmp.path().isValid());
	// resolve symbolic links in the temp dir name, so that it compares equal to getcwd()
	const Path dir(std::filesystem::canonical(tmp.path().str()).string());
	ScopedChdir cd(dir.str());

	EXPECT_EQ(Path::current(), dir);
	EXPECT_EQ(Path("sub/f.txt").absolutePath(), dir / "sub/f.txt");
	EXPECT_EQ(Path(".").absolutePath(), dir);
	EXPECT_EQ(Path("../x").absolutePath(), dir.parentPath() / "x");
	EXPECT_EQ((Path("a") / "../b").absolutePath(), dir / "b");
	EXPECT_EQ(Path("/a/b/../c").absolutePath().str(), "/a/c");
	EXPECT_EQ(Path("C:/a").absolutePath().str(), "C:/a");
	EXPECT_EQ(Path("${DIR}/f").absolutePath().str(), "${DIR}/f");
	EXPECT_FALSE(Path().absolutePath().isValid());
}


TEST(Path, CurrentDirectoryGone) {
	TempDir tmp;
	const Path gone = tmp.path() / "gone";
	std::filesystem::create_directory(gone.str());
	ScopedChdir cd(gone.str());
	std::filesystem::remove(gone.str());

	// a deleted working directory cannot be queried: logged, and no made-up absolute path
	RecordingHandler handler;
	EXPECT_FALSE(Path::current().isValid());
	EXPECT_EQ(handler.m_log, "3[current()]Couldn't deduce user directory. \n");
	EXPECT_FALSE(Path("f.txt").absolutePath().isValid());
	EXPECT_EQ(Path("/abs/f.txt").absolutePath().str(), "/abs/f.txt");
}


TEST(Path, LogFileOpensNormalisedPath) {
	TempDir tmp;
	// "sub" does not exist: only the normalised path can be opened
	const std::string logfile = " " + tmp.path().str() + "\\sub\\..\\run.log ";
	BVX::MessageHandler handler;
	std::string errmsg;
	EXPECT_TRUE(handler.openLogFile(logfile, false, errmsg)) << errmsg;
	handler.closeLogFile();
	EXPECT_TRUE((tmp.path() / "run.log").isFile());

	const std::string badLog = tmp.path().str() + "/missing/run.log";
	EXPECT_FALSE(handler.openLogFile(badLog, false, errmsg));
	EXPECT_EQ(errmsg, "Cannot open/create logfile '" + badLog + "'.");
	EXPECT_FALSE(handler.logFileOpen());
}


TEST(Path, FileStatusAndReading) {
	TempDir tmp;
	const Path dir = tmp.path();
	ASSERT_TRUE(dir.isDirectory());
	const Path file = dir / "\xC3\xA4nderung.txt";
	writeFile(file, "line 1\nline 2\n");

	EXPECT_TRUE(file.exists());
	EXPECT_TRUE(file.isFile());
	EXPECT_FALSE(file.isDirectory());
	EXPECT_TRUE(dir.exists());
	EXPECT_FALSE(dir.isFile());
	const Path missing = dir / "missing";
	EXPECT_FALSE(missing.exists());
	EXPECT_FALSE(missing.isFile());
	EXPECT_FALSE(missing.isDirectory());
	EXPECT_FALSE(Path().exists());

	EXPECT_EQ(BVX::read_file_to_string(file), "line 1\nline 2\n");
	EXPECT_EQ(BVX::read_file_to_string(missing), "");
	EXPECT_EQ(BVX::read_file_to_string(dir), "");
}


TEST(Path, CopyFiles) {
	TempDir tmp;
	const Path dir = tmp.path();
	const Path src = dir / "a.txt";
	writeFile(src, "alpha");
	RecordingHandler handler;

	// to a new file name
	EXPECT_TRUE(src.copy(dir / "b.txt"));
	EXPECT_EQ(BVX::read_file_to_string(dir / "b.txt"), "alpha");
	EXPECT_EQ(handler.m_log, "");

	// over an existing file: warned and replaced
	writeFile(dir / "c.txt", "old content");
	EXPECT_TRUE(src.copy(dir / "c.txt"));
	EXPECT_EQ(BVX::read_file_to_string(dir / "c.txt"), "alpha");
	EXPECT_NE(handler.m_log.find("[Path::copy]We will overwrite " + (dir / "c.txt").str()), std::string::npos)
		<< handler.m_log;

	// into an existing directory, keeping the file name
	std::filesystem::create_directory((dir / "sub").str());
	EXPECT_TRUE(src.copy(dir / "sub"));
	EXPECT_EQ(BVX::read_file_to_string(dir / "sub/a.txt"), "alpha");

	// refused: missing source, onto itself (also spelled differently), into its own directory
	EXPECT_FALSE((dir / "nothing.txt").copy(dir / "x.txt"));
	EXPECT_FALSE(src.copy(src));
	EXPECT_FALSE(src.copy(dir / "sub/../a.txt"));
	EXPECT_FALSE(src.copy(dir));
	EXPECT_FALSE(src.copy(Path()));
	EXPECT_EQ(BVX::read_file_to_string(src), "alpha");
	EXPECT_FALSE((dir / "x.txt").exists());

	// into a missing directory: the system copy fails
	EXPECT_FALSE(src.copy(dir / "no/such/dir/a.txt"));
}


TEST(Path, CopyDirectories) {
	TempDir tmp;
	const Path dir = tmp.path();
	const Path src = dir / "src";
	std::filesystem::create_directories((src / "deep/er").str());
	writeFile(src / "top.txt", "top");
	writeFile(src / "deep/er/leaf.txt", "leaf");

	// the content goes into the target, which is created with its parents
	const Path target = dir / "out/copy";
	EXPECT_TRUE(src.copy(target));
	EXPECT_EQ(BVX::read_file_to_string(target / "top.txt"), "top");
	EXPECT_EQ(BVX::read_file_to_string(target / "deep/er/leaf.txt"), "leaf");

	// copying again replaces existing files
	writeFile(src / "top.txt", "new top");
	EXPECT_TRUE(src.copy(target));
	EXPECT_EQ(BVX::read_file_to_string(target / "top.txt"), "new top");

	// refused: into its own subdirectory, onto itself, onto a file
	EXPECT_FALSE(src.copy(src / "deep"));
	EXPECT_FALSE(src.copy(src));
	EXPECT_FALSE(src.copy(target / "top.txt"));
	EXPECT_FALSE((src / "deep/top.txt").exists());
	EXPECT_EQ(BVX::read_file_to_string(target / "top.txt"), "new top");
}


TEST(Path, CopyDirectoryFailureIsLogged) {
	TempDir tmp;
	const Path dir = tmp.path();
	const Path src = dir / "src";
	std::filesystem::create_directory(src.str());
	writeFile(src / "f.txt", "x");
	writeFile(dir / "plain.txt", "");

	// the target's parent is a file, so the target directory cannot be created
	RecordingHandler handler;
	EXPECT_FALSE(src.copy(dir / "plain.txt/target"));
	EXPECT_NE(handler.m_log.find("[Path::copy]Cannot copy directory '" + src.str() + "'.\nNot a directory"),
			  std::string::npos) << handler.m_log;
}


TEST(Path, SystemErrorText) {
	EXPECT_EQ(BVX::windows_error_text(ENOENT), "No such file or directory");
	EXPECT_EQ(BVX::windows_error_text(123456), "Cannot retrieve error message with id 123456");
	errno = EACCES;
	EXPECT_EQ(BVX::windows_error_text(0), "Permission denied");
}
