#!/usr/bin/env python3
"""Checks the four built-in character list files: encoding, layout, characters and sizes.

    python3 tools/check_lists.py DATA_DIR              check nzz.txt, nhz.txt, azz.txt, ahz.txt
    python3 tools/check_lists.py --self-test DATA_DIR  show that the check rejects damaged copies

Exit status 0 with a one-line summary when every property holds; 1 with one line per failed
property otherwise; 2 on wrong usage. Standard library only.
"""

import os
import shutil
import sys
import tempfile

# The characters of every list in line order (the reference the files
# are checked against). For a featured list these are bytes 1 and 2 of each line.
REFERENCE = {
    "nzz": (
        "佳思雪梦怡雅海美雨欣子钰诗金嘉涵慧婷琳若敏淑奕楚雯"  # 1-25
        "清文梓晨丽丹佩惠月玉婉晓玲倩紫秋洁小明媛瑞静颖爱瑶"  # 26-50
        "妍岚菲萍宁娜璇珊彤萱璐琪茹华萌君茜乐如洋云莹瑾芸心"  # 51-75
    ),
    "azz": (
        "子浩俊泽博思海振宇嘉彦明梓文瑞金家天佳清云立志宏奕"  # 1-25
        "铭一建健晨卓承哲涵永皓润雨昊林景智恒启睿玉伟学圣旭"  # 26-50
        "杰轩峰毅涛然豪楠源霖洋乐钦鑫潇华宁阳龙翔贤航江渊瑜"  # 51-75
        "君成锋山"  # 76-79
    ),
    "nhz": (
        "秀娟英华慧巧美娜静淑惠珠翠雅芝玉萍红芬芳燕彩春菊兰凤洁梅琳云莲真环雪荣爱霞香月莺媛艳瑞凡佳嘉琼勤珍贞"
        "莉桂娣叶璐娅晶妍茜秋珊莎锦黛青倩婷姣婉娴瑾颖露瑶怡蓓仪荷丹蓉眉君琴蕊薇菁梦岚苑婕馨韵融园思艺咏卿聪澜"
        "纯毓悦昭冰爽琬茗羽希宁欣育枝筠柔竹霭凝晓欢霄枫芸伊亚宜可姬舒影荔丽玲琦婵雁瑗琰滢馥菲寒素璧安吉妮琪然"
        "祯荌奥维北辰贝琲瓃蕾碧菡莹蓝心彦博敏布侬衣偲采文萱灿畅唱朝旭雨琛晨曦初阳楚娇桃淳慈睿茵娥彤溪笛典蝶丁"
        "冬端懿多朵儿婀恩霈尔璠瑜方蔼蕙林苓荃蕤润泽洲飞霏斐丰熙芙甘高歌阑格葛古谷瑰玮帆海女含景晗玥涵好慕浩皓"
        "合乐和暖平悌煦暄豫河灵紫赫鹤姮弘豆闳虹星怀会雯彗语若玟季霁家宝禾歆言音江皎杰今金津童诗辉靓曼恬逸绢子"
        "隽俊珺俐琨风尹朗容姝楠伶卉琅珑凌波铃菱令流如柳芦罗绮洛妃玛麦蔓吟嫚花萌蒙孟夏丝桐米密淼妙婧晴颜意珉闵"
        "叡名明鸣茉木牧暮乃囡霓旎念远妞浓盼沛佩杉芃彭嫔品良璞齐其奇颀启千芊俏轩清昶晖一漪卓情画曲冉苒荏任溶城"
        "谨绚茹濡芮优绣哲姿三姗森沙善韶邵沈靖施世书抒穆贤扬帅双水顺萝祺微司嫒宸迪义斯乔松昕棠洮陶天骄籁田谧默"
        "甜湉听宛莞奕菀望熹韦苇未央蔚墨问梧西惜喜雰璇仙闲咸羡献湘向宵萧箫小笑诺忻愉跃莘新苗杏修媚越梓琇玄玑翎"
        "漫寻致嫣芫俨晏桦舞杨洋漾岑野农晔南依白颐以佁倚忆怿轶银饮胤瑛琭樱璎迎盈萦渟映雍悠攸幼余璟珂元爰源恺来"
        "人淡亭韫磬蕴赞湛正之宇知芷智仲筱庄亦榆"  # 551-569
    ),
    "ahz": (
        "伟刚勇毅俊峰强军平东文辉力明永健世广义兴良海山仁波宁贵福生龙元全国胜学祥才发利清飞彬富顺信子杰涛昌成"
        "康星光天达安岩林有坚和彪博诚先敬震振壮会思豪心邦承乐绍功松厚庆磊民友裕河哲江超浩亮政谦亨固之轮翰朗伯"
        "宏言若鸣朋斌梁栋维启克伦翔旭晨辰士建家致炎德行时泰盛雄琛钧冠策腾弘志武中榕奇鹏楠泽风茂航皑蔼霭鞍岸按"
        "昂盎遨翱奥白百佰柏班颁斑浜榜胞炮雹宝保豹瀑曝北备倍焙奔本必荜秘筚弼裨辟扁卞汴标骠表宾滨缤槟镔兵丙秉炳"
        "并玻帛泊勃铂渤箔魄檗卜步埔瓿材财参灿藏操曾差察长昶畅倡绰焯晁朝潮彻郴澈臣程驰池炽冲重崇绸畴酬筹楚处川"
        "传创棰锤淳赐聪璁丛淙琮璀村存锉大代岱玳单郸石当铛党宕导岛祷道得地灯登迪狄笛柢砥递谛滇巅典淀雕顶鼎斗督"
        "顿笃度端缎煅锻敦铎恩法帆藩凡斐奋丰风枫烽锋逢阜复赋盖溉概甘岗钢罡港杠高诰革葛铬根庚耿宫恭巩贡钩构故顾"
        "观莞管归圭桂过含函涵韩寒汉瀚巷蒿号毫貉昊皓灏禾合赫鹤黑恒横衡泓洪鸿侯湖虎浒琥沪淮槐还环洹桓寰焕皇晖徽"
        "炜回荟惠火伙豁机矶积计记纪技系季际继绩稷加嘉甲价驾架稼尖间俭检简见饯剑漳谏践镜鉴键将奖交佼皎觉教阶节"
        "解介界金津进近劲晋京经荆景径竞竟靖炯赳九韭居驹枸举巨炬镌隽决诀均君郡峻浚骏竣开凯恺慨楷勘看慷科恪恳铿"
        "宽矿奎逵葵魁坤昆来岚览榄郎浪烙雷镭棱冷漓黎礼里俚理锂历立沥连涟联炼链凉量粮两谅晾辽廖燎列烈猎临淋磷嶙"
        "麟伶灵苓陵聆棂翎岭领令留流陆栊胧隆弄楼嵝镂卢钽录鹿碌禄路吕旅律率峦鸾銮纶认仑罗逻咯络马蔓幔芒茫毛卯貌"
        "魅蒙檬朦猛孟米觅宓密谧绵棉冕面渺邈闵名茗铭模膜末万沫陌莫墨谋南纳年廿念钮农浓努欧偶排攀盘培沛蓬篷霹皮"
        "铍翩朴普浦谱铺期齐其祈淇骐琪琦棋旗麒杞起绮汽恰千阡铅钱虔枪乔侨桥钦亲奏芹勤穹求球逑酋曲去趣戌权诠泉拳"
        "缺鹊群壬荏忍任韧荣融熔儒孺睿润桑森杉沙砂厦尚韶少邵哨稍社申伸深审渗升声笙师诗十什识实史始氏示仕市式势"
        "事侍试视适轼寿绶书树帅水烁朔硕司嵩颂苏酥肃穗岁梭所索拓台太肽坛坦堂塘棠韬淘特藤梯体添田铁烃亭庭霆挺通"
        "同潼统透凸涂突图土团湾汪威巍韦为唯帷惟围纬娓卫未慰蔚温稳沃夕希栖息惜晰溪熹习席喜夏仙纤贤羡乡相享响向"
        "项逍萧霄孝肖笑效啸协榭莘鑫新形熊修胥虚炫绚勋询荀洵训讯迅汛逊涯延严闫研验焰焱扬阳羊炀洋仰养瑶遥耀野冶"
        "业烨谒一乙亿艺忆议屹亦易驿绎弈奕羿益谊逸因印荫应英迎雍咏涌用优攸悠游酉右娱渔隅宇羽语育昱钰渊原源远岳"
        "阅悦越粤云韫蕴栽再仔载趱赞早择增综赠斋占沾詹瞻展站绽章彰钊招如昭兆沼照罩肇遮辙浙针侦真稹臻镇征峥铮正"
        "诤支执直值植止祉至制治质挚秩智忠钟衷种仲众舟州洲轴昼铢竹竺渚瞩注柱炷祝著铸专庄桩幢锥谆准桌茁卓咨资滋"
        "锱宗棕总组祖钻尊樽左佐作"  # 1051-1062
    ),
}

ORDER = ("nzz", "nhz", "azz", "ahz")
SIZES = {"nzz": 5080, "nhz": 2274, "azz": 6213, "ahz": 4247}
LINE_COUNTS = {"nzz": 75, "nhz": 569, "azz": 79, "ahz": 1062}
FEATURED = ("nzz", "azz")

# The one exception to "a common line is its character": ahz line 142 carries a trailing blank;
# the same character is ahz line 318 without it, the only character that occurs twice in a list.
BLANK_LIST, BLANK_LINE, TWIN_LINE = "ahz", 142, 318

QUOTED = {  # (list, line number): the whole line
    ("nzz", 1): "佳|含义是美好。意为美好、美丽、出众。",
    ("nzz", 51): "妍|含义美好。",
    ("azz", 1): "子|含义儿，儿或女；意为有学问、有德行的人。",
    ("azz", 71): "贤|含义有德有才的人。",
}
LONGEST = {"nzz": (3, 213), "azz": (17, 235)}  # line number, line length in bytes
SHORTEST = {"nzz": 51, "azz": 71}  # line number
MEANING_RANGE = {"nzz": (10, 210), "azz": (18, 232)}  # bytes, inclusive

SEPARATOR = b"\r\n"
BAR = b"|"
MEANING_START = "含义".encode("gbk")


def gbk(text):
    return text.encode("gbk")


class Failures:
    """Collects failed properties; per-line findings of one kind become one line of report."""

    def __init__(self):
        self.messages = []
        self._grouped = {}

    def add(self, message):
        self.messages.append(message)

    def at_line(self, name, line_number, what):
        key = (name, what)
        if key not in self._grouped:
            self._grouped[key] = []
            self.messages.append(key)
        self._grouped[key].append(line_number)

    def lines(self):
        out = []
        for message in self.messages:
            if isinstance(message, tuple):
                name, what = message
                numbers = self._grouped[message]
                shown = ", ".join(str(n) for n in numbers[:8])
                more = f" and {len(numbers) - 8} more" if len(numbers) > 8 else ""
                word = "line" if len(numbers) == 1 else "lines"
                out.append(f"{name}: {word} {shown}{more}: {what}")
            else:
                out.append(message)
        return out


def gbk_structure_error(data):
    """Returns None if data is ASCII and well-formed two-byte GBK sequences, else a description."""
    i = 0
    while i < len(data):
        b = data[i]
        if b < 0x80:
            i += 1
            continue
        if not 0x81 <= b <= 0xFE:
            return f"byte 0x{b:02X} at offset {i} is neither ASCII nor a GBK lead byte"
        if i + 1 >= len(data):
            return f"lead byte 0x{b:02X} at offset {i} has no trail byte"
        t = data[i + 1]
        if not (0x40 <= t <= 0xFE and t != 0x7F):
            return f"byte pair 0x{b:02X} 0x{t:02X} at offset {i} is not a GBK character"
        i += 2
    try:
        data.decode("gbk", errors="strict")
    except UnicodeDecodeError as error:
        return f"bytes at offset {error.start} do not decode as GBK"
    return None


def check_file(name, data, failures):
    """Checks one list's bytes; appends every failed property to failures."""
    if len(data) != SIZES[name]:
        failures.add(f"{name}: {len(data)} bytes, expected {SIZES[name]}")
    for bad in (0x00, 0x1A):
        if bad in data:
            failures.add(f"{name}: holds byte 0x{bad:02X} at offset {data.index(bad)}")
    structure = gbk_structure_error(data)
    if structure:
        failures.add(f"{name}: not GBK text: {structure}")
    if data.endswith(SEPARATOR):
        failures.add(f"{name}: ends with CR LF after the last line")

    lines = data.split(SEPARATOR)
    if len(lines) != LINE_COUNTS[name]:
        failures.add(f"{name}: {len(lines)} line(s), expected {LINE_COUNTS[name]} lines")
    for number, line in enumerate(lines, 1):
        if not line:
            failures.at_line(name, number, "blank line")
        if b"\r" in line or b"\n" in line:
            failures.at_line(name, number, "CR or LF not part of a CR LF pair")
        if gbk_structure_error(line):
            failures.at_line(name, number, "not whole GBK characters")

    reference = [gbk(c) for c in REFERENCE[name]]
    characters = [line[:2] for line in lines]
    if name in FEATURED:
        check_featured(name, lines, failures)
    else:
        check_common(name, lines, reference, failures)

    mismatched = [n for n, (got, want) in enumerate(zip(characters, reference), 1) if got != want]
    for number in mismatched:
        failures.at_line(name, number, "character differs from the reference list at that line")

    seen = {}
    for number, character in enumerate(characters, 1):
        seen.setdefault(character, []).append(number)
    for character, numbers in seen.items():
        if len(numbers) < 2:
            continue
        if name == BLANK_LIST and numbers == [BLANK_LINE, TWIN_LINE] and character == gbk("风"):
            continue
        failures.add(f"{name}: character on lines {numbers} occurs more than once")
    if name == BLANK_LIST and len(seen.get(gbk("风"), [])) != 2:
        failures.add(f"{name}: \"风\" should occur exactly twice, on lines {BLANK_LINE} and {TWIN_LINE}")


def check_common(name, lines, reference, failures):
    for number, line in enumerate(lines, 1):
        if name == BLANK_LIST and number == BLANK_LINE:
            if line != gbk("风 "):
                failures.add(f"{name}: line {number} should be \"风\" followed by one blank (3 bytes)")
        elif len(line) != 2:
            failures.at_line(name, number, "a common line should be exactly one character, 2 bytes")
    if name == BLANK_LIST and len(lines) >= TWIN_LINE and lines[TWIN_LINE - 1] != gbk("风"):
        failures.add(f"{name}: line {TWIN_LINE} should be \"风\" without a blank")


def check_featured(name, lines, failures):
    low, high = MEANING_RANGE[name]
    for number, line in enumerate(lines, 1):
        if line[2:3] != BAR:
            failures.at_line(name, number, "byte 3 is not \"|\"")
        if line.count(BAR) != 1:
            failures.at_line(name, number, "does not hold exactly one \"|\"")
        meaning = line[3:]
        if not meaning.startswith(MEANING_START):
            failures.at_line(name, number, "meaning does not begin with \"含义\"")
        if not low <= len(meaning) <= high:
            failures.at_line(name, number, f"meaning length outside {low}-{high} bytes")

    for (list_name, number), text in QUOTED.items():
        if list_name == name and (len(lines) < number or lines[number - 1] != gbk(text)):
            failures.add(f"{name}: line {number} is not \"{text}\"")

    longest_number, longest_length = LONGEST[name]
    if len(lines) >= longest_number:
        longest = len(lines[longest_number - 1])
        if longest != longest_length:
            failures.add(f"{name}: line {longest_number} is {longest} bytes, expected {longest_length}")
        for number, line in enumerate(lines, 1):
            if number != longest_number and len(line) >= longest:
                failures.at_line(name, number, f"not shorter than the longest line {longest_number}")
    else:
        failures.add(f"{name}: has no line {longest_number}, the longest line")

    shortest_number = SHORTEST[name]
    if len(lines) >= shortest_number:
        shortest = len(lines[shortest_number - 1])
        for number, line in enumerate(lines, 1):
            if number != shortest_number and len(line) <= shortest:
                failures.at_line(name, number, f"not longer than the shortest line {shortest_number}")
    else:
        failures.add(f"{name}: has no line {shortest_number}, the shortest line")


def check_dir(data_dir):
    """Returns the list of failed properties for the four files in data_dir (empty: all hold)."""
    failures = Failures()
    for name in ORDER:
        path = os.path.join(data_dir, name + ".txt")
        try:
            with open(path, "rb") as f:
                data = f.read()
        except OSError as error:
            failures.add(f"{name}: cannot read {path}: {error.strerror}")
            continue
        check_file(name, data, failures)
    return failures.lines()


def summary():
    parts = ", ".join(f"{n} {LINE_COUNTS[n]} lines {SIZES[n]} bytes" for n in ORDER)
    return f"character lists OK: {parts}"


# --- self-test ---------------------------------------------------------------------------------

def split(data):
    return data.split(SEPARATOR)


def join(lines):
    return SEPARATOR.join(lines)


def edit_line(number, change):
    """A damage that replaces line `number` (1-based) by change(line)."""
    def damage(data):
        lines = split(data)
        lines[number - 1] = change(lines[number - 1])
        return join(lines)
    return damage


def swap_lines(a, b):
    def damage(data):
        lines = split(data)
        lines[a - 1], lines[b - 1] = lines[b - 1], lines[a - 1]
        return join(lines)
    return damage


def drop_line(number):
    def damage(data):
        lines = split(data)
        del lines[number - 1]
        return join(lines)
    return damage


def insert_line(number, line):
    def damage(data):
        lines = split(data)
        lines.insert(number - 1, line)
        return join(lines)
    return damage


# Each damage: (what it does, file, function from the file's bytes to the damaged bytes,
# a piece of text the report must contain, so the right property is shown to catch it).
DAMAGES = [
    ("trailing CR LF after the last line", "nzz",
     lambda d: d + SEPARATOR, "ends with CR LF"),
    ("LF-only line breaks", "nhz",
     lambda d: d.replace(SEPARATOR, b"\n"), "expected 569 lines"),
    ("CR-only line breaks", "azz",
     lambda d: d.replace(SEPARATOR, b"\r"), "expected 79 lines"),
    ("two adjacent characters swapped", "ahz",
     swap_lines(10, 11), "character differs"),
    ("two featured lines swapped", "nzz",
     swap_lines(20, 21), "character differs"),
    ("one character replaced by another of the same size", "nhz",
     edit_line(300, lambda l: gbk("龙")), "character differs"),
    ("a second \"|\" in a meaning", "azz",
     edit_line(5, lambda l: l + b"|"), "exactly one \"|\""),
    ("byte 3 not \"|\"", "nzz",
     edit_line(7, lambda l: l[:2] + b"!" + l[3:]), "byte 3 is not"),
    ("the blank removed from ahz line 142", "ahz",
     edit_line(142, lambda l: l.rstrip(b" ")), "line 142 should be"),
    ("a blank added to ahz line 318", "ahz",
     edit_line(318, lambda l: l + b" "), "line 318 should be"),
    ("a meaning lengthened past the longest line", "nzz",
     edit_line(10, lambda l: l + gbk("这是一段故意加长的文字。") * 12), "not shorter than the longest"),
    ("the longest line shortened", "azz",
     edit_line(17, lambda l: l[:-2]), "line 17 is 233 bytes"),
    ("a meaning as short as the shortest line", "nzz",
     edit_line(52, lambda l: l[:3] + gbk("含义美好。")), "not longer than the shortest"),
    ("a meaning not beginning with 含义", "azz",
     edit_line(30, lambda l: l[:3] + gbk("意思") + l[7:]), "does not begin with"),
    ("a quoted line changed, same size", "nzz",
     edit_line(1, lambda l: l.replace(gbk("出众"), gbk("出色"))), "line 1 is not"),
    ("the last line dropped", "azz",
     drop_line(79), "expected 79 lines"),
    ("a middle line dropped", "nhz",
     drop_line(200), "expected 569 lines"),
    ("a blank line inserted", "ahz",
     insert_line(500, b""), "blank line"),
    ("a byte 0x1A inserted", "nhz",
     edit_line(3, lambda l: l + b"\x1a"), "byte 0x1A"),
    ("a byte 0x00 inserted", "azz",
     edit_line(40, lambda l: l + b"\x00"), "byte 0x00"),
    ("a byte that is not GBK", "nzz",
     edit_line(60, lambda l: l + b"\xff"), "not GBK"),
    ("the text in UTF-8 instead of GBK", "nhz",
     lambda d: d.decode("gbk").encode("utf-8"), "bytes, expected 2274"),
    ("a character duplicated within a list", "nhz",
     edit_line(2, lambda l: gbk("秀")), "occurs more than once"),
    ("a file missing", "azz",
     None, "cannot read"),
]


def self_test(data_dir):
    problems = check_dir(data_dir)
    if problems:
        print("self-test: the undamaged files already fail, so nothing can be shown:")
        for line in problems:
            print("  " + line)
        return 1
    missed = 0
    with tempfile.TemporaryDirectory(prefix="check_lists_") as temp:
        for what, name, damage, expected in DAMAGES:
            work = os.path.join(temp, "data")
            shutil.rmtree(work, ignore_errors=True)
            os.mkdir(work)
            for other in ORDER:
                shutil.copyfile(os.path.join(data_dir, other + ".txt"),
                                os.path.join(work, other + ".txt"))
            path = os.path.join(work, name + ".txt")
            if damage is None:
                os.remove(path)
            else:
                with open(path, "rb") as f:
                    data = f.read()
                damaged = damage(data)
                assert damaged != data, what
                with open(path, "wb") as f:
                    f.write(damaged)
            report = check_dir(work)
            if not report:
                missed += 1
                print(f"self-test: NOT rejected: {name}: {what}")
            elif not any(expected in line for line in report):
                missed += 1
                print(f"self-test: rejected for another reason: {name}: {what}; report:")
                for line in report:
                    print("  " + line)
            else:
                print(f"self-test: rejected: {name}: {what}")
    if missed:
        print(f"self-test FAILED: {missed} of {len(DAMAGES)} damages not caught as expected")
        return 1
    print(f"self-test OK: all {len(DAMAGES)} damages rejected")
    return 0


def main(argv):
    if len(argv) == 2 and argv[1] not in ("-h", "--help", "--self-test"):
        problems = check_dir(argv[1])
        if problems:
            print(f"character lists FAILED ({len(problems)} properties):")
            for line in problems:
                print("  " + line)
            return 1
        print(summary())
        return 0
    if len(argv) == 3 and argv[1] == "--self-test":
        return self_test(argv[2])
    print(__doc__.strip(), file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
