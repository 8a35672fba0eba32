#ifndef RM_ResultFileBufferH
#define RM_ResultFileBufferH

#include <string>

class QString;

namespace QtExt {
class WholeFileWriter;
}

namespace RM {

/*! Collects the text of a result file and writes it to the open file in large blocks.
	Numbers are formatted as QTextStream does with SmartNotation in the C locale
	("%.6g" style, "nan", "inf", "0" for -0), so files are the same to the byte, only faster to write.
*/
class ResultFileBuffer {
public:
	/*! The file must be open for writing and outlive the buffer. */
	explicit ResultFileBuffer(QtExt::WholeFileWriter & file);

	void append(char c) { m_buffer.push_back(c); }
	void append(const char * text) { m_buffer.append(text); }
	/*! Appends the text in UTF-8. */
	void append(const QString & text);
	/*! Appends v with the given number of significant digits. */
	void appendNumber(double v, int precision);
	/*! As appendNumber(), right-aligned in a field of width characters (padded with blanks). */
	void appendNumber(double v, int precision, unsigned int width);
	/*! Appends text right-aligned in a field of width characters (padded with blanks). */
	void appendPadded(const char * text, unsigned int width);
	/*! Appends a non-negative integer right-aligned in a field of width characters, padded with pad. */
	void appendInteger(long v, unsigned int width, char pad);

	/*! Writes the block once it is large enough. Call after each line. */
	void lineDone() {
		if (m_buffer.size() >= BLOCK_SIZE)
			writeBlock();
	}
	/*! Writes the remaining text; false when any write failed. */
	bool finish();

	/*! Formats v into buf as appendNumber() does; returns the number of characters. */
	static unsigned int formatNumber(double v, int precision, char * buf, unsigned int bufSize);

private:
	/*! 64 KiB: the block stays in the cache, and a larger buffer costs more in first-touch page
		faults than the fewer write calls save. */
	static const std::size_t BLOCK_SIZE = 1 << 16;

	void writeBlock();

	QtExt::WholeFileWriter &	m_file;
	std::string		m_buffer;
	bool			m_ok;
};

} // namespace RM

#endif // RM_ResultFileBufferH
