#include "installer/PlayerPage.h"

QByteArray buildPlayerPage()
{
    constexpr char Q = '"';
    const QByteArray crlf = "\r\n";

    QByteArray page;
    page += "<script language=JavaScript>";
    page += crlf;
    page += "function playSong(s){if(mp3play.song.value.length<7){alert(";
    page += Q;
    page += "No audio selected.";
    page += Q;
    page += "); return;}";
    page += crlf;
    page += "var temp=";
    page += Q;
    page += "<body vlink=blue alink=blue><font face=Verdana><center><b>Now Playing:</font>"
            "<font face=Verdana size=-2></b><br>";
    page += Q;
    page += "+";
    page += "s";
    page += "+";
    page += Q;
    page += "<br><embed src=\\";

    page += Q;
    page += Q;
    page += "+s+";
    page += Q;
    page += "\\";
    page += Q;
    page += " autostart=true loop=0></embed></font>";
    page += Q;

    page += crlf;
    page += "var backit=";
    page += Q;
    page += "<font face=Verdana size=-1><br><A HREF=javascript:history.go(-1)>Back</a></font>";
    page += Q;
    page += crlf;
    page += "document.write(temp+backit)}</script>";

    page += "<form name=mp3play><center><font face=Verdana size=+2>Skylyre for FS2004</font>"
            "<br><font face=Verdana>By Arandel<br><input type=file name=song>&nbsp;"
            "<input type=button value=Play onClick=";
    page += Q;
    page += "playSong(mp3play.song.value)";
    page += Q;
    page += "></form>";
    return page;
}
