#ifndef TypedNumberH
#define TypedNumberH

namespace QtExt {
	class ValidatingLineEdit;
}

/*! The one rule by which a number field of the input pages stores what the user typed.

	A field's text is stored when the user typed it (the field's modified flag: show() and every
	refresh clear it) and the field accepts it (the number reader, range included), divided by
	the field's display factor (100 for a fraction shown in percent). A field that merely shows a
	rounded value and loses focus stores nothing, and a typed text that reads as the number shown
	keeps the stored digits behind it. A refused text stays as typed (red) and the stored value
	is kept. Once the text is taken, a field with a fixed format (setFormat() other than 'a')
	shows the stored value in that format; a field in the automatic format keeps it as typed.
*/
class TypedNumber {
public:
	/*! Shows value times factor in the field's format; the text counts as not typed. */
	static void show(QtExt::ValidatingLineEdit * edit, double value, double factor = 1);

	/*! Stores the typed number into value (in stored units: the number divided by factor).
		True only when it did; false, with value unchanged, when nothing new was typed or the
		text is refused. */
	static bool take(QtExt::ValidatingLineEdit * edit, double & value, double factor = 1);
};

#endif // TypedNumberH
