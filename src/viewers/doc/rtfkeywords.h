#pragma once

#include <cstdint>
#include <string_view>

namespace rtfread {

// Every control word the reader acts on. Anything else is ignored, or skipped with its group after \*.
// clang-format off
enum class Kw : uint8_t {
    Unknown,
    // header
    Rtf, Ansi, Mac, Pc, Pca, Ansicpg, Deff, Deftab,
    // destinations
    Fonttbl, Colortbl, Falt, Pict, Field, Fldinst, Fldrslt, Upr, Ud, Shppict, Nonshppict, SkipDest,
    // font table entry
    Fcharset, Cpg,
    // colour table
    Red, Green, Blue,
    // character formatting
    Plain, B, I, Ul, Ulnone, Strike, Super, Sub, Nosupersub, Up, Dn, Fs, F, Cf, Cb, Highlight, Caps, Scaps, V,
    // paragraphs
    Par, Pard, Ql, Qc, Qr, Qj, Li, Ri, Fi, Sb, Sa, Sl, Slmult, Tx, Tb, Tqr, Tqc, Tqdec, Pagebb, Sect,
    // special characters
    Tab, Line, Page, Emdash, Endash, Emspace, Enspace, Bullet, Lquote, Rquote, Ldblquote, Rdblquote, U, Uc,
    // tables
    Trowd, Cellx, Intbl, Cell, Row, Nestcell, Nestrow,
    // pictures
    Pngblip, Jpegblip, Dibitmap, Wbitmap, Wmetafile, Emfblip, Macpict, Pmmetafile, Picw, Pich, Picwgoal,
    Pichgoal, Picscalex, Picscaley, Wbmbitspixel, Wbmplanes, Wbmwidthbytes,
    // clang-format on
};

// The keyword a control word stands for; Kw::Unknown for any other word.
Kw lookup(std::string_view name);

} // namespace rtfread
