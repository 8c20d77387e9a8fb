// The table of control words the reader knows, looked up by name.
#include "viewers/doc/rtfkeywords.h"

#include <unordered_map>

namespace rtfread {

namespace {

// clang-format off
const std::unordered_map<std::string_view, Kw>& keywords()
{
    static const std::unordered_map<std::string_view, Kw> table = [] {
        std::unordered_map<std::string_view, Kw> t{
            {"rtf", Kw::Rtf}, {"ansi", Kw::Ansi}, {"mac", Kw::Mac}, {"pc", Kw::Pc}, {"pca", Kw::Pca},
            {"ansicpg", Kw::Ansicpg}, {"deff", Kw::Deff}, {"deftab", Kw::Deftab},
            {"fonttbl", Kw::Fonttbl}, {"colortbl", Kw::Colortbl}, {"falt", Kw::Falt}, {"pict", Kw::Pict},
            {"field", Kw::Field}, {"fldinst", Kw::Fldinst}, {"fldrslt", Kw::Fldrslt}, {"upr", Kw::Upr},
            {"ud", Kw::Ud}, {"shppict", Kw::Shppict}, {"nonshppict", Kw::Nonshppict},
            {"fcharset", Kw::Fcharset}, {"cpg", Kw::Cpg},
            {"red", Kw::Red}, {"green", Kw::Green}, {"blue", Kw::Blue},
            {"plain", Kw::Plain}, {"b", Kw::B}, {"i", Kw::I}, {"ul", Kw::Ul}, {"ulnone", Kw::Ulnone},
            {"strike", Kw::Strike}, {"striked", Kw::Strike}, {"super", Kw::Super}, {"sub", Kw::Sub},
            {"nosupersub", Kw::Nosupersub}, {"up", Kw::Up}, {"dn", Kw::Dn}, {"fs", Kw::Fs}, {"f", Kw::F},
            {"cf", Kw::Cf}, {"cb", Kw::Cb}, {"highlight", Kw::Highlight}, {"caps", Kw::Caps},
            {"scaps", Kw::Scaps}, {"v", Kw::V},
            {"par", Kw::Par}, {"pard", Kw::Pard}, {"ql", Kw::Ql}, {"qc", Kw::Qc}, {"qr", Kw::Qr},
            {"qj", Kw::Qj}, {"li", Kw::Li}, {"ri", Kw::Ri}, {"fi", Kw::Fi}, {"sb", Kw::Sb}, {"sa", Kw::Sa},
            {"sl", Kw::Sl}, {"slmult", Kw::Slmult}, {"tx", Kw::Tx}, {"tb", Kw::Tb}, {"tqr", Kw::Tqr},
            {"tqc", Kw::Tqc}, {"tqdec", Kw::Tqdec}, {"pagebb", Kw::Pagebb}, {"sect", Kw::Sect},
            {"tab", Kw::Tab}, {"line", Kw::Line}, {"page", Kw::Page}, {"emdash", Kw::Emdash},
            {"endash", Kw::Endash}, {"emspace", Kw::Emspace}, {"enspace", Kw::Enspace},
            {"bullet", Kw::Bullet}, {"lquote", Kw::Lquote}, {"rquote", Kw::Rquote},
            {"ldblquote", Kw::Ldblquote}, {"rdblquote", Kw::Rdblquote}, {"u", Kw::U}, {"uc", Kw::Uc},
            {"trowd", Kw::Trowd}, {"cellx", Kw::Cellx}, {"intbl", Kw::Intbl}, {"cell", Kw::Cell},
            {"row", Kw::Row}, {"nestcell", Kw::Nestcell}, {"nestrow", Kw::Nestrow},
            {"pngblip", Kw::Pngblip}, {"jpegblip", Kw::Jpegblip}, {"dibitmap", Kw::Dibitmap},
            {"wbitmap", Kw::Wbitmap}, {"wmetafile", Kw::Wmetafile}, {"emfblip", Kw::Emfblip},
            {"macpict", Kw::Macpict}, {"pmmetafile", Kw::Pmmetafile}, {"picw", Kw::Picw}, {"pich", Kw::Pich},
            {"picwgoal", Kw::Picwgoal}, {"pichgoal", Kw::Pichgoal}, {"picscalex", Kw::Picscalex},
            {"picscaley", Kw::Picscaley}, {"wbmbitspixel", Kw::Wbmbitspixel}, {"wbmplanes", Kw::Wbmplanes},
            {"wbmwidthbytes", Kw::Wbmwidthbytes},
        };
        // Groups whose content is never shown: document information, style definitions, headers and
        // footers, list definitions, object data, bookmarks and the like.
        for (const char* name :
             {"stylesheet", "info", "generator", "header", "headerl", "headerr", "headerf", "footer",
              "footerl", "footerr", "footerf", "footnote", "pn", "pntxta", "pntxtb", "listtable",
              "listoverridetable", "revtbl", "rsidtbl", "filetbl", "colorschememapping", "themedata",
              "xmlnstbl", "objdata", "objclass", "objname", "template", "private", "annotation", "atnid",
              "atnauthor", "bkmkstart", "bkmkend", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc",
              "aftncn", "shpinst", "latentstyles", "datastore", "userprops", "docvar", "pgdsctbl", "mmathPr",
              "txe", "xe", "tc", "comment", "keywords", "subject", "author", "operator", "title", "doccomm",
              "company", "panose", "picprop", "blipuid", "listpicture", "background", "fchars", "lchars",
              "pgptbl", "protusertbl", "wgrffmtfilter", "formfield", "datafield", "nesttableprops",
              "nonesttables"})
            t.emplace(name, Kw::SkipDest);
        return t;
    }();
    return table;
}
// clang-format on

} // namespace

Kw lookup(std::string_view name)
{
    if (name.empty())
        return Kw::Unknown;
    const auto& table = keywords();
    const auto it = table.find(name);
    return it == table.end() ? Kw::Unknown : it->second;
}

} // namespace rtfread
