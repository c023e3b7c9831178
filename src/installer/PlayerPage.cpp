#include "installer/PlayerPage.h"

QByteArray buildPlayerPage()
{
    constexpr char Q = '"';
    const QByteArray crlf = "\r\n";

    QByteArray playerCode;
    playerCode += "<script language=JavaScript>";
    playerCode += crlf;
    playerCode += "function playSong(s){if(mp3play.song.value.length<7){alert(";
    playerCode += Q;
    playerCode += "No audio selected.";
    playerCode += Q;
    playerCode += "); return;}";
    playerCode += crlf;
    playerCode += "var temp=";
    playerCode += Q;
    playerCode += "<body vlink=blue alink=blue><font face=Verdana><center><b>Now Playing:</font>"
                  "<font face=Verdana size=-2></b><br>";
    playerCode += Q;
    playerCode += "+";
    playerCode += "s";
    playerCode += "+";
    playerCode += Q;
    playerCode += "<br><embed src=\\";

    playerCode += Q;
    playerCode += Q;
    playerCode += "+s+";
    playerCode += Q;
    playerCode += "\\";
    playerCode += Q;
    playerCode += " autostart=true loop=0></embed></font>";
    playerCode += Q;

    playerCode += crlf;
    playerCode += "var backit=";
    playerCode += Q;
    playerCode += "<font face=Verdana size=-1><br><A HREF=javascript:history.go(-1)>Back</a></font>";
    playerCode += Q;
    playerCode += crlf;
    playerCode += "document.write(temp+backit)}</script>";

    playerCode += "<form name=mp3play><center><font face=Verdana size=+2>Skylyre for FS2004</font>"
                  "<br><font face=Verdana>By Arandel<br><input type=file name=song>&nbsp;"
                  "<input type=button value=Play onClick=";
    playerCode += Q;
    playerCode += "playSong(mp3play.song.value)";
    playerCode += Q;
    playerCode += "></form>";
    return playerCode;
}
