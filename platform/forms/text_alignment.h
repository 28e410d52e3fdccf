// Horizontal alignment of text in a control and vertical layout of a label's
// text, shared by labels, panels, check boxes, memos and button glyphs.
#pragma once

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TLeftRight { lrLeftJustify = taLeftJustify, lrRightJustify = taRightJustify };
enum TTextLayout { tlTop, tlCenter, tlBottom };
