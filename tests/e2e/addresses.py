"""The addresses the opener should be handed, as bytes of GBK text escaped for the hand-over:
every byte from 0x00 to 0x20 and from 0x7F to 0xFF as %XX in upper-case hex, every other byte
as it is. Built here from the shops' address shapes, not taken from the program."""

PID = "mm_40615293_0_0"
TAOBAO_SEARCH = "http://s8.taobao.com/search?pid=" + PID + "&sort="
LINKTECH = "http://click.linktech.cn/?m={merchant}&a=A207351946&l=99999&l_cd1=0&l_cd2=1&tu=http%3A%2F%2F"
UNION = "http://union.dangdang.com/transfer/transfer.aspx?from=P-519604&backurl=http://"
CHANNEL = "http://pindao.huoban.taobao.com{path}?pid=" + PID + "&eventid={event}"
CHANET = "http://count.chanet.com.cn/click.cgi?a=604725&d={link}&u=&e="

TAOBAO_FILTERS = {"选择框1": "&isprepay=1", "选择框2": "&promoted_service4=4",
                  "选择框3": "&user_type=1", "选择框10": "&olu=yes"}
TAOBAO_SORTS = {"单选框1": "price-asc", "单选框2": "sale-desc", "单选框3": "credit-desc"}
JINGDONG_PATHS = {"单选框4": "%2FSearch%3Fkeyword%3D",
                  "单选框5": "%2Fsearch%3Fev%3D%26psort%3D1%26keyword%3D",
                  "单选框6": "%2Fsearch%3Fev%3D%26psort%3D2%26keyword%3D"}
NEWEGG_PATHS = {"单选框4": "%2FSearch.aspx%3Fkeyword%3D",
                "单选框5": "%2FSearch.aspx%3Fsort%3D40%26keyword%3D",
                "单选框6": "%2FSearch.aspx%3Fsort%3D30%26keyword%3D"}


def escaped(keywords):
    """Typed keywords (str, or bytes already in the code page) as they reach the opener: GBK
    bytes, escaped."""
    out = []
    for byte in keywords if isinstance(keywords, bytes) else keywords.encode("gbk"):
        out.append(f"%{byte:02X}" if byte <= 0x20 or byte >= 0x7F else chr(byte))
    return "".join(out)


def taobao(keywords, sort="单选框1", filters=("选择框1",)):
    fragments = "".join(TAOBAO_FILTERS[name] for name in ("选择框1", "选择框2", "选择框3", "选择框10")
                        if name in filters)
    return TAOBAO_SEARCH + TAOBAO_SORTS[sort] + fragments + "&q=" + escaped(keywords)


def jingdong_newegg(keywords, sort="单选框4"):
    return [LINKTECH.format(merchant="360buy") + "search.360buy.com" + JINGDONG_PATHS[sort] + escaped(keywords),
            LINKTECH.format(merchant="newegg") + "www.newegg.com.cn" + NEWEGG_PATHS[sort] + escaped(keywords)]


def amazon_dangdang(keywords, books_only=False):
    if books_only:
        return [LINKTECH.format(merchant="joyo") + "www.amazon.cn%2Fs%2Fref%3Dnb_sb_noss%3F%26url%3D"
                "search-alias%253Dbooks%26x%3D31%26y%3D29%26field-keywords%3D" + escaped(keywords),
                LINKTECH.format(merchant="dangdang") + "search.dangdang.com%2Fbook%2Fsearch_pub.php%3Fkey%3D"
                + escaped(keywords) + "%26SearchFromTop%3D1%26catalog%3D01"]
    return [LINKTECH.format(merchant="joyo") + "www.amazon.cn%2Fs%2Fref%3Dnb_sb_noss%3F%26url%3D"
            "search-alias%253Daps%26x%3D34%26y%3D30%26field-keywords%3D" + escaped(keywords),
            UNION + "search.dangdang.com/search.php?key=" + escaped(keywords)]


PROMOTIONS = {
    "按钮1": CHANNEL.format(path="/tms/channel/channelcode.htm", event=101329),
    "按钮5": CHANET.format(link=57319),
    "按钮6": CHANET.format(link=83164),
    "按钮7": LINKTECH.format(merchant="joyo") + "www.amazon.cn",
    "按钮8": UNION + "www.dangdang.com/",
}

HYPERLINKS = {
    "超级链接框1": CHANNEL.format(path="/tms/channel/lady.htm", event=101345),
    "超级链接框2": CHANNEL.format(path="/tms/channel/beauty.htm", event=101328),
    "超级链接框3": CHANNEL.format(path="/tms/channel/jewelry.htm", event=101331),
    "超级链接框4": CHANNEL.format(path="/tms/channel/man.htm", event=101330),
    "超级链接框5": CHANNEL.format(path="/tms/channel/onsale.htm", event=101586),
    "超级链接框6": CHANNEL.format(path="/tms/channel/channelmall.htm", event=101334),
    "超级链接框7": CHANNEL.format(path="/channel/channelfy.htm", event=101325),
    "超级链接框8": CHANNEL.format(path="/tms/channel/baby.htm", event=101326),
    "超级链接框9": CHANNEL.format(path="/tms/channel/electric.htm", event=101333),
    "超级链接框10": CHANNEL.format(path="/tms/channel/food.htm", event=101327),
    "超级链接框11": CHANNEL.format(path="/tms/channel/digital.htm", event=101332),
    "超级链接框12": CHANNEL.format(path="/tms/channel/mallhouse.htm", event=101546),
    "超级链接框13": LINKTECH.format(merchant="joyo") + "www.amazon.cn%2F%25E5%259B%25BE%25E4%25B9%25A6%2Fb"
                    "%2Fref%3Dsd_allcat_bo%3Fie%3DUTF8%26node%3D658390051",
    "超级链接框14": LINKTECH.format(merchant="joyo") + "www.amazon.cn%2Fgp%2Fbestsellers%2F",
    "超级链接框15": UNION + "book.dangdang.com",
    "超级链接框16": UNION + "bang.dangdang.com",
    "超级链接框17": UNION + "promo.dangdang.com",
    "超级链接框18": UNION + "shop.dangdang.com",
}

PAGE_OF = {name: 1 for name in ["按钮1"] + [f"超级链接框{n}" for n in range(1, 13)]}
PAGE_OF.update({"按钮5": 2, "按钮6": 2, "按钮7": 3, "按钮8": 3})
PAGE_OF.update({f"超级链接框{n}": 3 for n in range(13, 19)})
