#!/usr/bin/env python3
"""Writes Quillan's small sample dictionary: the three GBK sources that
quillan-build-data turns into the run-time data files.

  word.dict.finalGBK  one word per line, seven TAB-separated fields, lines in GBK
                      byte order, then the end marker "****BISENT"
  freq.dictGBK        a group header ("ALL:44 VV:12 ..."), then each group's words
                      in frequency order
  bisent.dataGBK      four lines per sentence pair: Chinese words, English tokens,
                      word links "i-j", annotation row "pinyin:position"

The texts below are UTF-8; iconv turns them into GBK and every line ends in CR LF.
Run it from anywhere: python3 data/sample/make_sample.py
"""

import pathlib
import subprocess

HERE = pathlib.Path(__file__).resolve().parent

# headword, pinyin, tags, English, usage notes, HSK level (the fourth field)
WORDS = [
    ("我", "wǒ", "PN", "I; me; my", "我们;我的;我自己", "HSK1"),
    ("你", "nǐ", "PN", "you", "你们;你的;你好", "HSK1"),
    ("他", "tā", "PN", "he; him", "他们;他的", "HSK1"),
    ("好", "hǎo", "VA", "good; well; fine", "很好;好人;你好", "HSK1"),
    ("学习", "xuéxí", "VV:::NN", "to study; to learn; study, learning",
     "学习中文;努力学习;学习方法", "HSK1"),
    ("中文", "zhōngwén", "NN", "Chinese (language)", "说中文;学中文;中文书", "HSK1"),
    ("喜欢", "xǐhuan", "VV", "to like; to be fond of", "喜欢吃;很喜欢;我喜欢你", "HSK1"),
    ("吃", "chī", "VV", "to eat", "吃饭;吃米饭;好吃", "HSK1"),
    ("喝", "hē", "VV", "to drink", "喝茶;喝水;好喝", "HSK1"),
    ("茶", "chá", "NN", "tea", "喝茶;绿茶;一杯茶", "HSK1"),
    ("水", "shuǐ", "NN", "water", "喝水;一杯水;开水", "HSK1"),
    ("米饭", "mǐfàn", "NN", "cooked rice", "吃米饭;一碗米饭", "HSK1"),
    ("朋友", "péngyou", "NN", "friend", "好朋友;老朋友;中国朋友", "HSK1"),
    ("老师", "lǎoshī", "NN", "teacher", "中文老师;王老师;老师好", "HSK1"),
    ("学生", "xuésheng", "NN", "student; pupil", "好学生;大学生;小学生", "HSK1"),
    ("学校", "xuéxiào", "NN", "school", "去学校;在学校;学校里", "HSK1"),
    ("今天", "jīntiān", "NT", "today", "今天晚上;今天天气", "HSK1"),
    ("明天", "míngtiān", "NT", "tomorrow", "明天见;明天早上", "HSK1"),
    ("昨天", "zuótiān", "NT", "yesterday", "昨天晚上;昨天下午", "HSK1"),
    ("现在", "xiànzài", "NT", "now; at present", "现在几点;从现在开始", "HSK1"),
    ("看", "kàn", "VV", "to look at; to watch; to read; to visit",
     "看书;看电视;看朋友", "HSK1"),
    ("书", "shū", "NN", "book", "看书;一本书;买书", "HSK1"),
    ("去", "qù", "VV", "to go", "去学校;去中国;回去", "HSK1"),
    ("来", "lái", "VV", "to come", "来我家;过来;回来", "HSK1"),
    ("有", "yǒu", "VE", "to have; there is; there are", "没有;有时候;有意思", "HSK1"),
    ("是", "shì", "VC", "to be; yes", "是的;不是;就是", "HSK1"),
    ("大", "dà", "VA", "big; large; old (of age)", "很大;大学;大家", "HSK1"),
    ("小", "xiǎo", "VA", "small; little; young", "很小;小时;小学", "HSK1"),
    ("高兴", "gāoxìng", "VA", "happy; glad", "很高兴;认识你很高兴", "HSK1"),
    ("忙", "máng", "VA", "busy", "很忙;帮忙;忙什么", "HSK2"),
    ("个", "gè", "M", "(general measure word)", "一个人;两个朋友;这个", "HSK1"),
    ("本", "běn", "M", "(measure word for books)", "一本书;两本书", "HSK1"),
    ("杯", "bēi", "M", "cup; glass; (measure word for drinks)", "一杯茶;一杯水;杯子", "HSK1"),
    ("里", "lǐ", "LC", "in; inside", "家里;学校里;杯子里", "HSK1"),
    ("上", "shàng", "LC:::VV", "on; above; to go up; to get on", "桌子上;上车;上班", "HSK1"),
    ("下", "xià", "LC", "under; below", "桌子下;楼下;下面", "HSK1"),
    ("家", "jiā", "NN", "home; family", "回家;在家;我家", "HSK1"),
    ("工作", "gōngzuò", "VV:::NN", "to work; work, job", "找工作;努力工作;工作日", "HSK1"),
    ("说", "shuō", "VV", "to speak; to say", "说中文;说话;听说", "HSK1"),
    ("汉字", "hànzì", "NN", "Chinese character", "写汉字;学汉字", "HSK1"),
    ("妈妈", "māma", "NN", "mum; mother", "我妈妈;妈妈的", "HSK1"),
    ("买", "mǎi", "VV", "to buy", "买书;买东西", "HSK1"),
    ("天气", "tiānqì", "NN", "weather", "天气很好;今天天气", "HSK1"),
    ("冷", "lěng", "VA", "cold", "很冷;冷水", "HSK1"),
]

# Most frequent first.
FREQUENCY_ORDER = (
    "是 我 你 他 有 好 个 说 来 去 上 看 大 家 里 下 现在 小 吃 工作 学习 本 今天 喜欢 "
    "朋友 喝 老师 学生 书 水 中文 学校 明天 买 妈妈 高兴 忙 天气 茶 汉字 昨天 冷 杯 米饭"
).split()

# The groups of the frequency header after "ALL", in the order of the tag filter.
GROUPS = ["VV", "VA", "VE", "NN", "NT", "M", "LC"]

# Chinese words | English tokens | links "i-j" | pinyin per word (syllables joined by
# "'", "-" for punctuation, which gets an empty annotation cell).
SENTENCES = [
    ("我 喜欢 学习 中文 。", "I like studying Chinese .", "0-0 1-1 2-2 3-3 4-4",
     "wǒ xǐ'huan xué'xí zhōng'wén -"),
    ("他 是 我 的 朋友 。", "He is my friend .", "0-0 1-1 2-2 3-2 4-3 5-4",
     "tā shì wǒ de péng'you -"),
    ("我 今天 很 忙 。", "I am very busy today .", "0-0 1-4 2-2 3-3 4-5",
     "wǒ jīn'tiān hěn máng -"),
    ("明天 我 去 学校 。", "Tomorrow I go to school .", "0-0 1-1 2-2 2-3 3-4 4-5",
     "míng'tiān wǒ qù xué'xiào -"),
    ("老师 在 学校 工作 。", "The teacher works at the school .", "0-1 1-3 2-5 3-2 4-6",
     "lǎo'shī zài xué'xiào gōng'zuò -"),
    ("我 想 喝 一 杯 茶 。", "I would like to drink a cup of tea .",
     "0-0 1-1 1-2 2-4 3-5 4-6 5-8 6-9", "wǒ xiǎng hē yì bēi chá -"),
    ("这 本 书 很 好 。", "This book is very good .", "0-0 2-1 3-3 4-4 5-5",
     "zhè běn shū hěn hǎo -"),
    ("学生们 在 学习 汉字 。", "The students are learning Chinese characters .",
     "0-1 1-2 2-3 3-4 3-5 4-6", "xué'sheng'men zài xué'xí hàn'zì -"),
    ("他 是 一 个 好 学生 。", "He is a good student .", "0-0 1-1 2-2 4-3 5-4 6-5",
     "tā shì yí gè hǎo xué'sheng -"),
    ("今天 天气 很 冷 。", "The weather is very cold today .", "0-5 1-1 2-3 3-4 4-6",
     "jīn'tiān tiān'qì hěn lěng -"),
    ("我们 一起 吃 米饭 吧 。", "Let us eat rice together .", "0-1 1-4 2-2 3-3 5-5",
     "wǒ'men yì'qǐ chī mǐ'fàn ba -"),
    ("你 喜欢 喝 茶 吗 ？", "Do you like drinking tea ?", "0-1 1-2 2-3 3-4 4-0 5-5",
     "nǐ xǐ'huan hē chá ma -"),
    ("桌子 上 有 一 本 书 。", "There is a book on the table .",
     "0-6 1-4 2-0 2-1 3-2 5-3 6-7", "zhuō'zi shàng yǒu yì běn shū -"),
    ("杯子 里 有 水 。", "There is water in the cup .", "0-5 1-3 2-0 2-1 3-2 4-6",
     "bēi'zi lǐ yǒu shuǐ -"),
    ("我 昨天 买 了 一 本 书 。", "I bought a book yesterday .",
     "0-0 1-4 2-1 4-2 6-3 7-5", "wǒ zuó'tiān mǎi le yì běn shū -"),
    ("他 现在 不 在 家 。", "He is not at home now .", "0-0 1-5 2-2 3-1 3-3 4-4 5-6",
     "tā xiàn'zài bú zài jiā -"),
    ("认识 你 很 高兴 。", "Nice to meet you .", "0-2 1-3 3-0 4-4",
     "rèn'shi nǐ hěn gāo'xìng -"),
    ("我 很 高兴 。", "I am very happy .", "0-0 1-2 2-3 3-4", "wǒ hěn gāo'xìng -"),
    ("他 说 中文 说 得 很 好 。", "He speaks Chinese very well .",
     "0-0 1-1 2-2 3-1 5-3 6-4 7-5", "tā shuō zhōng'wén shuō de hěn hǎo -"),
    ("你 说 什么 ？", "What did you say ?", "0-2 1-3 2-0 3-4", "nǐ shuō shén'me -"),
    ("我们 明天 去 看 朋友 。", "We will visit friends tomorrow .",
     "0-0 1-4 2-2 3-2 4-3 5-5", "wǒ'men míng'tiān qù kàn péng'you -"),
    ("他 在 看 书 。", "He is reading a book .", "0-0 1-1 2-2 3-4 4-5",
     "tā zài kàn shū -"),
    ("这 个 学校 很 大 。", "This school is very big .", "0-0 2-1 3-3 4-4 5-5",
     "zhè ge xué'xiào hěn dà -"),
    ("我 的 家 很 小 。", "My home is very small .", "0-0 1-0 2-1 3-3 4-4 5-5",
     "wǒ de jiā hěn xiǎo -"),
    ("明天 你 来 我 家 吧 。", "Come to my home tomorrow .", "0-4 2-0 2-1 3-2 4-3 6-5",
     "míng'tiān nǐ lái wǒ jiā ba -"),
    ("我 有 两 个 中国 朋友 。", "I have two Chinese friends .",
     "0-0 1-1 2-2 4-3 5-4 6-5", "wǒ yǒu liǎng gè zhōng'guó péng'you -"),
    ("他 没有 工作 。", "He has no job .", "0-0 1-1 1-2 2-3 3-4", "tā méi'yǒu gōng'zuò -"),
    ("她 每天 工作 八 个 小时 。", "She works eight hours every day .",
     "0-0 1-4 1-5 2-1 3-2 5-3 6-6", "tā měi'tiān gōng'zuò bā gè xiǎo'shí -"),
    ("猫 在 桌子 下 。", "The cat is under the table .", "0-1 1-2 2-5 3-3 4-6",
     "māo zài zhuō'zi xià -"),
    ("他 上 车 了 。", "He got on the bus .", "0-0 1-1 1-2 2-4 4-5", "tā shàng chē le -"),
    ("我 每天 喝 很 多 水 。", "I drink a lot of water every day .",
     "0-0 1-6 1-7 2-1 3-2 3-3 4-3 5-5 6-8", "wǒ měi'tiān hē hěn duō shuǐ -"),
    ("汉字 很 难 写 。", "Chinese characters are hard to write .", "0-0 0-1 2-3 3-5 4-6",
     "hàn'zì hěn nán xiě -"),
    ("我 去 学校 学习 。", "I go to school to study .", "0-0 1-1 1-2 2-3 3-5 4-6",
     "wǒ qù xué'xiào xué'xí -"),
    ("学习 很 重要 。", "Study is very important .", "0-0 1-2 2-3 3-4",
     "xué'xí hěn zhòng'yào -"),
    ("老师 给 我 一 本 书 。", "The teacher gave me a book .", "0-1 1-2 2-3 3-4 5-5 6-6",
     "lǎo'shī gěi wǒ yì běn shū -"),
    ("你 好 吗 ？", "How are you ?", "0-2 1-0 3-3", "nǐ hǎo ma -"),
    ("这 杯 茶 很 好喝 。", "This cup of tea is delicious .", "0-0 1-1 2-3 4-5 5-6",
     "zhè bēi chá hěn hǎo'hē -"),
    ("我 今天 来 学校 了 。", "I came to school today .", "0-0 1-4 2-1 2-2 3-3 5-5",
     "wǒ jīn'tiān lái xué'xiào le -"),
    ("妈妈 在 家 里 。", "Mum is at home .", "0-0 1-1 1-2 2-3 4-4", "mā'ma zài jiā lǐ -"),
    ("我 说 中文 。", "I speak Chinese .", "0-0 1-1 2-2 3-3", "wǒ shuō zhōng'wén -"),
]

# Words with more than one tag name their examples per tag, in the order of the tags.
EXAMPLES_BY_TAG = {
    "学习": [[1, 8, 33], [34]],
    "工作": [[5, 28], [27]],
    "上": [[13], [30]],
}


def annotation_row(pinyin):
    tokens = []
    for position, word in enumerate(pinyin.split(" ")):
        if word == "-":
            tokens.append(f":{position}")
            continue
        syllables = word.split("'")
        tokens.append(f"{syllables[0]}:{position}")
        tokens.extend(f"{s}:-1" for s in syllables[1:])
    return " ".join(tokens)


def check_sentence(number, chinese, english, links, pinyin):
    words, tokens = chinese.split(" "), english.split(" ")
    assert len(pinyin.split(" ")) == len(words), f"sentence {number}: pinyin per word"
    for link in links.split(" "):
        i, j = (int(x) for x in link.split("-"))
        assert i < len(words) and j < len(tokens), f"sentence {number}: link {link}"
    assert english.isascii(), f"sentence {number}: English must be ASCII"


def example_text(word, tags):
    if word in EXAMPLES_BY_TAG:
        groups = EXAMPLES_BY_TAG[word]
    else:
        found = [n for n, s in enumerate(SENTENCES, 1) if word in s[0].split(" ")]
        groups = [found]
    assert len(groups) == len(tags.split(":::")), word
    text = ":::".join(":".join(str(n) for n in g) for g in groups)
    return text or "NULL"


def word_lines():
    lines = []
    for word, pinyin, tags, english, usage, level in WORDS:
        fields = [word, english, pinyin, level, tags, usage, example_text(word, tags)]
        lines.append("\t".join(fields))
    lines.sort(key=lambda line: line.split("\t")[0].encode("gbk"))
    return lines + ["****BISENT"]


def frequency_lines():
    tags_of = {w[0]: w[2].split(":::") for w in WORDS}
    assert sorted(FREQUENCY_ORDER) == sorted(tags_of), "every word once in the order"
    groups = [("ALL", FREQUENCY_ORDER)]
    groups += [(g, [w for w in FREQUENCY_ORDER if g in tags_of[w]]) for g in GROUPS]
    header = " ".join(f"{name}:{len(words)}" for name, words in groups)
    return [header] + [w for _, words in groups for w in words]


def sentence_lines():
    lines = []
    for number, (chinese, english, links, pinyin) in enumerate(SENTENCES, 1):
        check_sentence(number, chinese, english, links, pinyin)
        lines += [chinese, english, links, annotation_row(pinyin)]
    return lines


def write_gbk(name, lines):
    utf8 = "".join(line + "\r\n" for line in lines).encode("utf-8")
    gbk = subprocess.run(["iconv", "-f", "UTF-8", "-t", "GBK"], input=utf8,
                         capture_output=True, check=True).stdout
    (HERE / name).write_bytes(gbk)


if __name__ == "__main__":
    write_gbk("word.dict.finalGBK", word_lines())
    write_gbk("freq.dictGBK", frequency_lines())
    write_gbk("bisent.dataGBK", sentence_lines())
