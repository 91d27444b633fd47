#include "book/px_web_html.h"

#include <cstdio>

namespace {

// The page fills the window at the book's proportions; the texts' sizes follow its height
// (container units), so that they keep their places over the picture at any size.
const char STYL[] = R"(
html,body{margin:0;height:100%;background:#111;color:#eee;font-family:sans-serif;overflow:hidden}
#kniha{position:absolute;inset:0;display:flex;align-items:center;justify-content:center}
.strana{position:relative;container-type:size}
.strana[hidden]{display:none}
.strana img{position:absolute;inset:0;width:100%;height:100%;image-rendering:auto}
.t{position:absolute;box-sizing:border-box;white-space:pre-wrap;line-height:1.15;margin:0}
.t1,.t2{padding:0.25em 0.5em;border:0.12em solid}
.t2{border-radius:0.6em}
.chvost{position:absolute;inset:0;width:100%;height:100%;pointer-events:none}
.chvost polygon{vector-effect:non-scaling-stroke;stroke-linejoin:round}
.podklad{visibility:hidden}
nav{position:fixed;bottom:1vh;right:1vw;display:flex;gap:.5em;align-items:center;opacity:.85}
nav button{font-size:1.4em;min-width:2.2em;min-height:2.2em;border-radius:.4em;border:0}
.ram{display:inline-block;width:.9em;height:.6em;border:.12em solid currentColor;border-radius:.1em}
)";

// Keys and buttons turn; a page shows its GIF from the start, plays its narration (once the
// reader has pressed something: browsers play no sound before) and turns after its time.
const char SKRIPT[] = R"(
(function(){
var strany=document.querySelectorAll('.strana'),hlas=document.getElementById('hlas'),
cislo=document.getElementById('cislo'),i=0,casovac=0,gesto=false,kolo=0;
function ukaz(n){
 n=Math.max(0,Math.min(strany.length-1,n));
 strany[i].hidden=true;i=n;var s=strany[i];s.hidden=false;
 var img=s.querySelector('img');img.src=s.dataset.gif+'?'+(++kolo);
 hlas.pause();
 if(s.dataset.wav){hlas.src=s.dataset.wav;if(gesto)hlas.play().catch(function(){});}
 else hlas.removeAttribute('src');
 clearTimeout(casovac);
 if(i+1<strany.length)casovac=setTimeout(function(){ukaz(i+1);},+s.dataset.ms);
 cislo.textContent=(i+1)+' / '+strany.length;
}
function prvy(){if(!gesto){gesto=true;if(hlas.getAttribute('src'))hlas.play().catch(function(){});}}
var kluce={ArrowRight:1,PageDown:1,' ':1,ArrowLeft:-1,PageUp:-1};
document.addEventListener('keydown',function(e){
 if(e.key==='Home')ukaz(0);else if(kluce[e.key])ukaz(i+kluce[e.key]);else return;
 e.preventDefault();prvy();
});
document.addEventListener('pointerdown',prvy);
document.getElementById('spat').onclick=function(){ukaz(i-1);};
document.getElementById('dalej').onclick=function(){ukaz(i+1);};
document.getElementById('cela').onclick=function(){
 if(document.fullscreenElement)document.exitFullscreen();else document.documentElement.requestFullscreen();
};
ukaz(0);
if(location.hash==='#selftest'){
 hlas.addEventListener('playing',function(){document.title+=' hra';});
 document.dispatchEvent(new KeyboardEvent('keydown',{key:'ArrowRight'}));
 document.title='selftest '+(i+1);
}
})();
)";

std::string css_farba(unsigned long c) {
    char s[8];
    snprintf(s, sizeof s, "#%02lx%02lx%02lx", c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF);
    return s;
}

std::string cislo(double v) {
    char s[32];
    snprintf(s, sizeof s, "%.2f", v);
    return s;
}

// A moving text's way as CSS keyframes named `meno`, and the animation that plays it over the
// page's time, again and again as the page's GIF does; nothing for a text that stays.
std::string kluce(const PX_WebText& t, const std::string& meno) {
    if (t.draha.empty()) return "";
    std::string k = "@keyframes " + meno + "{";
    for (const PX_WebKrok& s : t.draha)
        k += cislo(s.cas) + "%{transform:translate(" + cislo(s.dx) + "cqw," + cislo(s.dy) + "cqh)}";
    return k + "}\n";
}
std::string pohyb(const PX_WebText& t, const std::string& meno, int cas_ms) {
    return t.draha.empty() ? "" : ";animation:" + meno + " " + std::to_string(cas_ms) + "ms linear infinite";
}

// A text's box with its words. A bubble with a tail comes twice, laid out alike: first its
// ground and outline, the words there unseen and unread (`podklad`), then, over its tail, the
// words alone on nothing.
enum class Vrstva { CELY, PODKLAD, SLOVA };
std::string text_html(const PX_WebText& t, const std::string& animacia, Vrstva v) {
    const std::string f = css_farba(t.farba), p = css_farba(t.proti);
    std::string styl = "left:" + cislo(t.x) + "%;top:" + cislo(t.y) + "%;width:" + cislo(t.sir) +
                       "%;min-height:" + cislo(t.vys) + "%;font-size:" + cislo(t.em) + "cqh;color:" + f;
    if (t.vzhlad == 0) {
        styl += ";text-shadow:0 0 .08em " + p + ",0 0 .08em " + p + ",0 0 .12em " + p;
    } else {
        styl += v == Vrstva::SLOVA ? ";background:none;border-color:transparent"
                                   : ";background:" + p + ";border-color:" + f;
    }
    const std::string slova = PX_Web_Escape(t.text);
    return "<p class=\"t t" + std::to_string(t.vzhlad) + "\" style=\"" + styl + animacia + "\"" +
           (v == Vrstva::PODKLAD ? " aria-hidden=\"true\"><span class=\"podklad\">" + slova + "</span>" : ">" + slova) +
           "</p>\n";
}

// A bubble's tail over the page in percent of it: under the box with its outline (twice as
// wide, for its inner half is covered), over it its ground alone, which hides the box's
// outline across the tail; the letters stay on top. So a bubble and its tail are one shape
// with one outline, as in the editor.
std::string chvost(const PX_WebText& t, bool nad, const std::string& animacia) {
    std::string body;
    for (size_t k = 0; k < 6; k += 2) body += (k ? " " : "") + cislo(t.chvost[k]) + "," + cislo(t.chvost[k + 1]);
    return std::string("<svg class=\"chvost\"") +
           " viewBox=\"0 0 100 100\" preserveAspectRatio=\"none\" aria-hidden=\"true\"" +
           (animacia.empty() ? "" : " style=\"" + animacia.substr(1) + "\"") + "><polygon points=\"" + body +
           "\" style=\"fill:" + css_farba(t.proti) +
           (nad ? "" : ";stroke:" + css_farba(t.farba) + ";stroke-width:" + cislo(0.24 * t.em) + "cqh") +
           "\"/></svg>\n";
}

// The n-th page's texts with their ways, one over another in the page's order.
std::string texty_strany(const PX_WebStrana& s, const std::string& n) {
    std::string styl, html;
    for (size_t i = 0; i < s.texty.size(); ++i) {
        const PX_WebText& t = s.texty[i];
        const std::string meno = "s" + n + "t" + std::to_string(i), animacia = pohyb(t, meno, s.cas_ms);
        styl += kluce(t, meno);
        if (t.chvost.size() == 6)
            html += chvost(t, false, animacia) + text_html(t, animacia, Vrstva::PODKLAD) + chvost(t, true, animacia) +
                    text_html(t, animacia, Vrstva::SLOVA);
        else
            html += text_html(t, animacia, Vrstva::CELY);
    }
    return (styl.empty() ? "" : "<style>" + styl + "</style>\n") + html;
}

}  // namespace

std::string PX_Web_Escape(const std::string& s) {
    std::string e;
    for (const char c : s) {
        switch (c) {
        case '&': e += "&amp;"; break;
        case '<': e += "&lt;"; break;
        case '>': e += "&gt;"; break;
        case '"': e += "&quot;"; break;
        case '\'': e += "&#39;"; break;
        default: e += c;
        }
    }
    return e;
}

std::string PX_Web_Html(const std::string& kniha, const std::vector<PX_WebStrana>& strany, double pomer) {
    const std::string nazov = PX_Web_Escape(kniha);
    std::string h = "<!DOCTYPE html>\n<html lang=\"sk\">\n<head>\n<meta charset=\"utf-8\">\n"
                    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
                    nazov + "</title>\n<style>" + STYL +
                    ".strana{aspect-ratio:" + cislo(pomer) + ";width:min(100vw,calc(100vh*" + cislo(pomer) +
                    "))}\n</style>\n</head>\n<body>\n<main id=\"kniha\">\n";
    for (size_t i = 0; i < strany.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        h += "<section class=\"strana\" id=\"s" + n + "\" aria-label=\"Strana " + n + "\" data-gif=\"" + n +
             ".gif\" data-ms=\"" + std::to_string(strany[i].cas_ms) + "\"" +
             (strany[i].hlas ? " data-wav=\"" + n + ".wav\"" : "") + " hidden>\n<img alt=\"\" src=\"" + n +
             ".gif\">\n";
        h += texty_strany(strany[i], n) + "</section>\n";
    }
    h += "</main>\n<audio id=\"hlas\" preload=\"auto\"></audio>\n"
         "<nav><button id=\"spat\" aria-label=\"Predchádzajúca strana\">&#9664;</button>"
         "<span id=\"cislo\" aria-live=\"polite\"></span>"
         "<button id=\"dalej\" aria-label=\"Ďalšia strana\">&#9654;</button>"
         "<button id=\"cela\" aria-label=\"Celá obrazovka\"><span class=\"ram\"></span></button></nav>\n<script>" +
         std::string(SKRIPT) + "</script>\n</body>\n</html>\n";
    return h;
}
