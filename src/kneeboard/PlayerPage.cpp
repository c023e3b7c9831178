#include "kneeboard/PlayerPage.h"

QByteArray buildPlayerPage()
{
    // Each line as it is written, byte for byte; CR LF between them.
    // clang-format off
    return QByteArrayLiteral(
        R"p(<script language=JavaScript>)p" "\r\n"
        R"p(function playSong(s){if(mp3play.song.value.length<7){alert("No audio selected."); return;})p" "\r\n"
        R"p(var temp="<body vlink=blue alink=blue><font face=Verdana><center><b>Now Playing:</font><font face=Verdana size=-2></b><br>"+s+"<br><embed src=\""+s+"\" autostart=true loop=0></embed></font>")p" "\r\n"
        R"p(var backit="<font face=Verdana size=-1><br><A HREF=javascript:history.go(-1)>Back</a></font>")p" "\r\n"
        R"p(document.write(temp+backit)}</script><form name=mp3play><center><font face=Verdana size=+2>Skylyre for FS2004</font><br><font face=Verdana>By Arandel<br><input type=file name=song>&nbsp;<input type=button value=Play onClick="playSong(mp3play.song.value)"></form>)p");
    // clang-format on
}

bool holdsPlayer(QByteArrayView page)
{
    return page.contains(buildPlayerPage());
}
