#!/usr/bin/env python3
"""Writes the English papers for topic 1, Grammar (papers 101-105) and
topic 2, Vocabulary (papers 106-110), question ids 11001..11150.

    python3 course/tools/gen_english_t1_t2.py

Standard library only. Every question is written out by hand below; the
helpers only turn it into page HTML and answer lines. Multiple-choice options
are put in an order fixed by a seed made from the question's own text, so
running the script twice writes identical files.
"""

import os
import random
import re
from html.parser import HTMLParser

HERE = os.path.dirname(os.path.abspath(__file__))
COURSE = os.path.dirname(HERE)
ENGLISH = os.path.join(COURSE, 'english')

FIRST_ID = 11001
LAST_ID = 11150
TOPICS = {1: 'Grammar', 2: 'Vocabulary'}
BLANK = '<span class="blank">&nbsp;</span>'
CURLY = '\u2019'


# ---------------------------------------------------------------- helpers

class Question:
    def __init__(self, instruction, lines, answers):
        self.instruction = instruction
        self.lines = lines        # HTML lines of the body
        self.answers = answers    # list of (type, marks, key)
        self.qid = None


def fill(text):
    """Sentence text with ___ standing for a gap."""
    return text.replace('___', BLANK)


def T(word):
    """One word or short text. A word with an apostrophe also accepts the
    typographic apostrophe, so it becomes an alternatives key."""
    if "'" in word:
        return M(word)
    return ('T', word)


def M(*alternatives):
    alts = []
    for a in alternatives:
        for v in (a, a.replace("'", CURLY)):
            if v not in alts:
                alts.append(v)
    return ('M', ';' + ';'.join(alts))


def L(phrase):
    return ('L', phrase)


def sentence(*forms):
    """A written sentence: each accepted form, with or without its full stop."""
    alts = []
    for f in forms:
        assert f.endswith('.')
        for v in (f, f[:-1]):
            if v not in alts:
                alts.append(v)
    return M(*alts)


def with_mark(key, marks):
    return (key[0], marks, key[1])


def single(instruction, lines, key, marks=1):
    return Question(instruction, [fill(x) for x in lines], [with_mark(key, marks)])


def parts(instruction, intro, items, marks=1):
    """items: (text, key) pairs; each becomes part (a), (b), ... with one slot."""
    lines = [fill(x) for x in intro]
    answers = []
    for n, (text, key) in enumerate(items):
        lines.append('<p class="part">(%s) %s</p>' % ('abcdefghijklmnopqrst'[n], fill(text)))
        answers.append(with_mark(key, marks))
    return Question(instruction, lines, answers)


_POSITIONS = []


def next_position():
    """Where the right option goes: each position in turn, shuffled in blocks
    of four, so that the answers spread evenly over (1) to (4)."""
    if not _POSITIONS:
        block = [0, 1, 2, 3]
        _RNG.shuffle(block)
        _POSITIONS.extend(block)
    return _POSITIONS.pop(0)


_RNG = random.Random(11001)


def choice(lines, options, correct=0, fixed=False, marks=1,
           instruction='Choose the correct answer. Write its number.'):
    """options[correct] is the right one. Unless fixed, the options are put in
    an order drawn from a seed made of the question text."""
    opts = list(options)
    assert len(opts) == 4 and len(set(opts)) == 4
    right = opts[correct]
    if not fixed:
        others = [o for o in opts if o != right]
        random.Random('|'.join(lines + opts)).shuffle(others)
        others.insert(next_position(), right)
        opts = others
    body = [fill(x) for x in lines]
    body.append('<ol class="options">' + ''.join('<li>%s</li>' % o for o in opts) + '</ol>')
    return Question(instruction, body, [('Q', marks, str(opts.index(right) + 1))])


def group(instruction, lines, alternatives, count, marks=1):
    assert len(alternatives) >= count >= 2
    answers = [('G', marks, ';' + ';'.join(alternatives))]
    answers += [('G', marks, ' ')] * (count - 1)
    return Question(instruction, [fill(x) for x in lines], answers)


def box(words):
    """A word box: one ruled row of words."""
    return '<table class="data"><tr>' + ''.join('<td>%s</td>' % w for w in words) + '</tr></table>'


def letters(first, count):
    """A first letter and a dash for each letter still to find."""
    return '<b>%s</b> %s (%d letters)' % (first, ' '.join(['_'] * (count - 1)), count)


def quote(text):
    return '<p><i>%s</i></p>' % fill(text)


# ================================================================ GRAMMAR

P101 = [
    parts('Write the correct form of each verb.',
          ['<p>Fill in each blank with the correct form of the verb in brackets. Write one word for each blank.</p>'],
          [('Every morning my grandmother ___ (water) the plants before she has her breakfast.', T('waters')),
           ('Yesterday we ___ (swim) in the lake near our campsite.', T('swam')),
           ('Look! The puppies are ___ (chase) their own tails.', T('chasing')),
           ('Mr Osei has ___ (teach) at this school since 2015.', T('taught')),
           ('When we arrived at the party, the children had already ___ (eat) all the sandwiches.', T('eaten'))],
          marks=2),
    parts('Write the correct word from the brackets.',
          ['<p>Choose the word in brackets that completes each sentence correctly. Write it in the answer box.</p>'],
          [('Neither the captain nor the players ___ (was / were) happy with the result.', T('were')),
           ('Each of the girls ___ (has / have) a locker of her own.', T('has')),
           ('The scissors ___ (is / are) in the top drawer.', T('are')),
           ('Mathematics ___ (is / are) my favourite subject.', T('is')),
           ('One of my cousins ___ (live / lives) in Canada.', T('lives'))],
          marks=2),
    parts('Write the plural of each noun.',
          ['<p>Write the plural form of each noun.</p>'],
          [('knife', T('knives')),
           ('woman', T('women')),
           ('potato', T('potatoes')),
           ('sheep', T('sheep')),
           ('cactus', M('cacti', 'cactuses'))],
          marks=2),
]

P102 = [
    choice(['<p>Read the sentence.</p>',
            quote('The tired farmer walked slowly across the muddy field.'),
            '<p>What word class is the word <b>slowly</b>?</p>'],
           ['a noun', 'a verb', 'an adjective', 'an adverb'], correct=3, fixed=True),
    single('Write the correct form of the verb in brackets.',
           ['<p>My brother ___ (go) to the dentist last Tuesday.</p>'],
           T('went')),
    parts('Write the correct pronoun from the brackets.',
          ['<p>Choose the correct word in brackets for each sentence.</p>'],
          [('Mum gave Ravi and ___ (I / me) a lift to the park.', T('me')),
           ('___ (We / Us) girls are going to win the relay race.', T('We')),
           ('That umbrella is not mine. It is ___ (her / hers).', T('hers')),
           ('The cat licked ___ (its / it\'s) paw.', T('its'))]),
    parts('Write a or an.',
          ['<p>Write <b>a</b> or <b>an</b> in each blank.</p>'],
          [('___ umbrella', T('an')),
           ('___ uniform', T('a')),
           ('___ honest answer', T('an')),
           ('___ useful tool', T('a'))]),
    single('Write a word from the box.',
           [box(['throughout', 'since', 'during', 'between']),
            '<p>Which word from the box fits the blank?</p>',
            '<p>The baby slept peacefully ___ the thunderstorm.</p>'],
           M('during', 'throughout')),
    choice(['<p>Which sentence is written correctly?</p>'],
           ['Of the three sisters, Ada is the youngest.',
            'This is the most tallest tree in the park.',
            'Sam is more taller than his father.',
            'My bag is heavyer than yours.']),
    single('Write the correct form of the word in brackets.',
           ['<p>It was the ___ (bad) storm the village had seen in fifty years.</p>'],
           T('worst')),
    choice(['<p>Which question tag completes the sentence?</p>',
            '<p>You have finished your homework, ___?</p>'],
           ["haven't you", "didn't you", "don't you", "hasn't you"]),
    group('Write one answer in each box.',
          ['<p>Write down any <b>two</b> nouns from this sentence.</p>',
           quote('The old fisherman mended his nets on the beach at sunrise.')],
          ['fisherman', 'nets', 'beach', 'sunrise'], 2),
    single('Join the two sentences using the word in brackets. Write the new sentence.',
           ['<p>Lena wore her raincoat. It was raining heavily. (<b>because</b>)</p>'],
           sentence('Lena wore her raincoat because it was raining heavily.',
                    'Lena wore her raincoat, because it was raining heavily.',
                    'Because it was raining heavily, Lena wore her raincoat.',
                    'Because it was raining heavily Lena wore her raincoat.'),
           marks=2),
    choice(['<p>Choose the best joining word for the blank.</p>',
            '<p>I wanted to play outside, ___ it was too dark.</p>'],
           ['but', 'because', 'so', 'or']),
    parts('Write the plural of each noun.',
          ['<p>Write the plural form of each noun.</p>'],
          [('box', T('boxes')),
           ('baby', T('babies')),
           ('tooth', T('teeth')),
           ('church', T('churches'))]),
    choice(['<p>Which sentence is in the <b>passive</b> voice?</p>'],
           ['The window was broken by a stray football.',
            'The dog chased the ball across the field.',
            'Mia is painting a picture of the sea.',
            'The wind blew the leaves away.']),
    single('Write the correct word from the brackets.',
           ['<p>The box of crayons ___ (is / are) on the shelf.</p>'],
           T('is')),
    choice(['<p>Which word in this sentence is an <b>adjective</b>?</p>',
            quote('The children ran quickly towards the noisy fair.')],
           ['noisy', 'children', 'quickly', 'towards']),
    parts('Write the past tense of each verb.',
          ['<p>Write the simple past tense of each verb.</p>'],
          [('catch', T('caught')),
           ('bring', T('brought')),
           ('fly', T('flew')),
           ('begin', T('began'))]),
]

P103 = [
    parts('Write the correct form of each verb.',
          ['<p>Fill in each blank with the correct form of the verb in brackets. Write one word for each blank.</p>'],
          [('The sun ___ (rise) in the east every day.', T('rises')),
           ('Last night the wind ___ (blow) so hard that a tree fell down.', T('blew')),
           ('I have never ___ (see) such a beautiful sunset.', T('seen')),
           ('While we were ___ (dig) in the garden, we found an old coin.', T('digging'))]),
    choice(['<p>Read the sentence.</p>',
            quote('Please switch off the light before you leave.'),
            '<p>In this sentence, what word class is the word <b>light</b>?</p>'],
           ['a noun', 'a verb', 'an adjective', 'an adverb'], correct=0, fixed=True),
    parts('Write the correct reflexive pronoun.',
          ['<p>Fill in each blank with a word ending in <b>-self</b> or <b>-selves</b>.</p>'],
          [('The twins made the birthday cake all by ___.', T('themselves')),
           ('I hurt ___ when I fell off my bike.', T('myself')),
           ('"Help ___ to some fruit, children," said Mrs Lim.', T('yourselves'))]),
    parts('Write a word from the box in each blank.',
          [box(['across', 'between', 'during', 'for', 'since', 'throughout']),
           '<p>Choose a word from the box that fits each sentence.</p>'],
          [('We have lived in this town ___ 2019.', T('since')),
           ('My grandparents have lived in Spain ___ six years.', T('for')),
           ('The ducks swam ___ the pond to the other bank.', T('across')),
           ('It rained heavily ___ the night, so the river flooded.', M('during', 'throughout')),
           ('A narrow path runs ___ the two houses.', T('between'))]),
    parts('Write a, an or the in each blank.',
          ['<p>Write <b>a</b>, <b>an</b> or <b>the</b> to complete each sentence.</p>'],
          [('___ sun sets in the west.', T('the')),
           ('My uncle works as ___ engineer at a car factory.', T('an')),
           ('Mount Everest is ___ highest mountain in the world.', T('the')),
           ('We waited for ___ hour at the bus stop.', T('an'))]),
    choice(['<p>Which question tag completes the sentence?</p>',
            '<p>She can swim very well, ___?</p>'],
           ["can't she", 'can she', "doesn't she", "isn't she"]),
    parts('Write the correct form of the word in brackets.',
          ['<p>Complete each sentence with the correct form of the adjective in brackets. Write one or two words.</p>'],
          [('My new bike is ___ (good) than my old one.', T('better')),
           ('That was the ___ (funny) film I have ever seen.', T('funniest')),
           ('An elephant is ___ (big) than a hippo.', T('bigger')),
           ('This is the ___ (beautiful) beach on the island.', T('most beautiful'))]),
    group('Write one answer in each box.',
          ['<p>Write down any <b>two</b> verbs from this sentence.</p>',
           quote('The girls sang, danced and laughed at the party.')],
          ['sang', 'danced', 'laughed'], 2),
    choice(['<p>Choose the best joining word for the blank.</p>',
            '<p>You can have a biscuit ___ you can have an apple, but not both.</p>'],
           ['or', 'so', 'because', 'until']),
    single('Join the two sentences using the word in brackets. Write the new sentence.',
           ['<p>The path was steep. We reached the top before lunch. (<b>although</b>)</p>'],
           sentence('Although the path was steep, we reached the top before lunch.',
                    'Although the path was steep we reached the top before lunch.',
                    'We reached the top before lunch although the path was steep.',
                    'We reached the top before lunch, although the path was steep.'),
           marks=2),
    parts('Write active or passive for each sentence.',
          ['<p>Is each sentence written in the <b>active</b> or the <b>passive</b> voice?</p>'],
          [('The cake was eaten by the hungry guests.', M('passive', 'passive voice')),
           ('Our teacher reads us a story every Friday.', M('active', 'active voice')),
           ('The letters are delivered early in the morning.', M('passive', 'passive voice'))]),
    choice(['<p>Which sentence is written correctly?</p>'],
           ['Everybody in the class has a pencil case.',
            'The children was playing in the park.',
            'There is three apples on the table.',
            'My friends and I likes swimming.']),
    parts('Write each phrase in the plural.',
          ['<p>Write each phrase again, changing it to the plural. Change every word that needs to change.</p>',
           '<p>Example: <i>that red bus</i> becomes <i>those red buses</i>.</p>'],
          [('this heavy box', L('these heavy boxes')),
           ('that wild goose', L('those wild geese'))]),
    choice(['<p>Which word fills the blank?</p>',
            '<p>This is the girl ___ bicycle was stolen.</p>'],
           ['whose', 'who', 'which', 'whom']),
    single('Write the correct form of the verb in brackets. Write two words.',
           ['<p>If it rains tomorrow, we ___ (stay) at home.</p>'],
           M('will stay', 'shall stay', 'are staying')),
    choice(['<p>Which word in this sentence is a <b>preposition</b>?</p>',
            quote('The kitten hid under the old sofa all afternoon.')],
           ['under', 'kitten', 'hid', 'old']),
]

P104 = [
    parts('Write the correct form of each verb.',
          ['<p>Fill in each blank with the correct form of the verb in brackets. Write one word for each blank.</p>'],
          [('The bell had already ___ (ring) when we reached the gate.', T('rung')),
           ('The thief was ___ (catch) by a security guard.', T('caught')),
           ('Our class ___ (write) letters to the mayor last week.', T('wrote')),
           ('Every winter Grandpa ___ (fly) to Nairobi, where he stays with his brother.', T('flies')),
           ('A new library is being ___ (build) next to the park.', T('built'))]),
    choice(['<p>Which sentence uses the verb correctly?</p>'],
           ['They have already eaten their lunch.',
            'I seen that film last week.',
            'She has went to the library.',
            'He done his homework before tea.']),
    parts('Write the correct word from the brackets.',
          ['<p>Choose the correct word in brackets for each sentence.</p>'],
          [('Between you and ___ (I / me), I think the ending was silly.', T('me')),
           ('The prize was shared by Tom and ___ (she / her).', T('her')),
           ('___ (Whose / Who\'s) turn is it to wash the dishes?', T('Whose')),
           ('___ (There / Their / They\'re) going to be late if they don\'t hurry.', T("They're"))]),
    parts('Write the missing preposition.',
          ['<p>Write the preposition that is missing from each sentence.</p>'],
          [('Kofi is very good ___ drawing horses.', T('at')),
           ('My little sister is afraid ___ spiders.', T('of')),
           ('This book is different ___ the one I read last week.', M('from', 'to')),
           ('We arrived ___ the airport two hours early.', T('at')),
           ('The team was proud ___ its victory.', T('of'))]),
    choice(['<p>Which sentence uses the articles (<b>a</b>, <b>an</b>, <b>the</b>) correctly?</p>'],
           ['He wants to be an astronaut when he grows up.',
            'She bought an new bicycle for the race.',
            'A owl hooted in the middle of the night.',
            'We visited the Paris last summer.']),
    parts('Write the question tag.',
          ['<p>Write the missing question tag at the end of each sentence.</p>'],
          [("It's a lovely day, ___?", M("isn't it", "isn't it?")),
           ('Your brother plays the drums, ___?', M("doesn't he", "doesn't he?")),
           ("They won't be late, ___?", M('will they', 'will they?')),
           ("Let's go to the beach, ___?", M('shall we', 'shall we?'))]),
    choice(['<p>Which word fills the blank?</p>',
            '<p>There are ___ people in the queue today than yesterday.</p>'],
           ['fewer', 'less', 'least', 'lesser']),
    parts('Write the correct form of the word in brackets.',
          ['<p>Complete each sentence with the correct form of the word in brackets. Write one or two words.</p>'],
          [('Amir runs ___ (fast) than anyone else in our class.', T('faster')),
           ('Please write ___ (carefully) than you did last time.', T('more carefully')),
           ('Of all the planets, Jupiter is the ___ (large).', T('largest')),
           ('My cold is ___ (bad) today than it was yesterday.', T('worse'))]),
    group('Write one answer in each box.',
          ['<p>Write down any <b>three</b> adjectives from this sentence.</p>',
           quote('The brave little mouse crept past the sleepy cat into the dark, damp cellar.')],
          ['brave', 'little', 'sleepy', 'dark', 'damp'], 3),
    parts('Write a joining word from the box in each blank.',
          [box(['although', 'until', 'unless', 'so']),
           '<p>Use each word from the box once.</p>'],
          [('You will miss the bus ___ you hurry.', T('unless')),
           ('We waited at the gate ___ the rain stopped.', T('until')),
           ('It was getting dark, ___ we switched on the lights.', T('so')),
           ('___ she was very tired, Maya finished all her homework.', T('although'))]),
    choice(['<p>Which sentence is the <b>passive</b> form of this sentence?</p>',
            quote('The storm damaged the roof.')],
           ['The roof was damaged by the storm.',
            'The roof damaged the storm.',
            'The storm was damaging the roof.',
            'The roof is damaging by the storm.']),
    choice(['<p>In which sentence is the word <b>fast</b> used as an <b>adverb</b>?</p>'],
           ['The girl ran fast to catch the bus.',
            'Cheetahs are fast animals.',
            'They broke their fast at sunset.',
            'He is a fast reader.']),
    parts('Write the correct word from the brackets.',
          ['<p>Choose the verb in brackets that agrees with the subject of each sentence.</p>'],
          [('The news ___ (was / were) better than we expected.', T('was')),
           ('Every boy and girl in the school ___ (was / were) given a medal.', T('was')),
           ('The teacher, together with her pupils, ___ (is / are) planting trees.', T('is')),
           ('There ___ (is / are) a lot of books on the shelf.', T('are'))]),
    choice(['<p>Which word fills the blank?</p>',
            '<p>The man ___ lives next door is a firefighter.</p>'],
           ['who', 'which', 'whose', 'whom']),
    choice(['<p>Which verb fills the blank?</p>',
            '<p>I ___ for the bus for twenty minutes when it finally arrived.</p>'],
           ['had been waiting', 'waited', 'have waited', 'am waiting']),
    parts('Write the plural of each noun.',
          ['<p>Write the plural form of each noun.</p>'],
          [('brother-in-law', T('brothers-in-law')),
           ('crisis', T('crises')),
           ('hero', T('heroes')),
           ('roof', T('roofs'))]),
    single('Join the two sentences using the word in brackets. Write the new sentence.',
           ['<p>I have a friend. She can speak four languages. (<b>who</b>)</p>'],
           sentence('I have a friend who can speak four languages.'),
           marks=2),
]

P105 = [
    parts('Write the correct form of each verb.',
          ['<p>Fill in each blank with the correct form of the verb in brackets. Write one word for each blank.</p>'],
          [('If I ___ (be) you, I would tell the truth.', T('were')),
           ('The children have ___ (choose) a name for the class hamster.', T('chosen')),
           ('The ice on the pond has ___ (freeze) solid.', T('frozen')),
           ('Neither Ali nor his sisters ___ (like) cabbage, so we never cook it.', T('like')),
           ('The letter was ___ (send) yesterday, so it should arrive tomorrow.', T('sent'))]),
    choice(['<p>Read the sentence.</p>',
            quote('Her happiness was plain to see.'),
            '<p>What word class is the word <b>happiness</b>?</p>'],
           ['a noun', 'a verb', 'an adjective', 'an adverb'], correct=0, fixed=False),
    parts('Write the missing preposition.',
          ['<p>Write the preposition that is missing from each sentence.</p>'],
          [('Are you interested ___ joining the chess club?', T('in')),
           ("I don't agree ___ you about that film.", T('with')),
           ('The result will depend ___ the weather.', M('on', 'upon')),
           ('Zara was angry ___ her brother for breaking her toy.', M('with', 'at')),
           ('The shop is closed ___ Sundays.', T('on'))]),
    choice(['<p>Which sentence is written correctly?</p>'],
           ['The River Nile is the longest river in Africa.',
            'River Nile is a longest river in the Africa.',
            'A River Nile is longest river in Africa.',
            'The River Nile is an longest river in the Africa.']),
    parts('Write the question tag.',
          ['<p>Write the missing question tag at the end of each sentence.</p>'],
          [("I'm in the team, ___?", M("aren't I", "aren't I?", 'am I not', 'am I not?')),
           ('Nobody called while I was out, ___?', M('did they', 'did they?')),
           ("You've never been to Scotland, ___?", M('have you', 'have you?')),
           ('Close the window, ___?', M('will you', 'will you?', 'would you', 'would you?',
                                        'can you', 'can you?', 'could you', 'could you?',
                                        "won't you", "won't you?")),
           ('She used to live in Lagos, ___?', M("didn't she", "didn't she?"))]),
    choice(['<p>Which sentence is written correctly?</p>'],
           ['Today is the hottest day of the year so far.',
            'Amy is the most tall girl in her class.',
            'This puzzle is more easier than the last one.',
            'Your drawing is more good than mine.']),
    parts('Write the correct form of the word in brackets.',
          ['<p>Complete each sentence with the correct form of the word in brackets. Write one word.</p>'],
          [('There are ___ (many) cars on the road today than yesterday.', T('more')),
           ('Of the three friends, Jo lives the ___ (far) from school.', M('farthest', 'furthest')),
           ('This suitcase is ___ (heavy) than that one.', T('heavier')),
           ('Of all the books on the shelf, this one is the ___ (thin).', T('thinnest'))]),
    group('Write one answer in each box.',
          ['<p>Write down any <b>two</b> pronouns from this sentence.</p>',
           quote('When Sara met us at the station, she gave me a hug and handed the tickets to him.')],
          ['us', 'she', 'me', 'him'], 2),
    choice(['<p>Choose the best words for the blank.</p>',
            '<p>Take an umbrella ___ it rains later.</p>'],
           ['in case', 'so that', 'unless', 'as soon as']),
    single('Join the two sentences using the word in brackets. Write the new sentence.',
           ['<p>We visited the castle. It was built over six hundred years ago. (<b>which</b>)</p>'],
           sentence('We visited the castle, which was built over six hundred years ago.',
                    'We visited the castle which was built over six hundred years ago.'),
           marks=2),
    parts('Write active or passive for each sentence.',
          ['<p>Is each sentence written in the <b>active</b> or the <b>passive</b> voice?</p>'],
          [('The match has been cancelled because of the snow.', M('passive', 'passive voice')),
           ('A strong wind was blowing across the hills.', M('active', 'active voice')),
           ('The winners will be announced on Friday.', M('passive', 'passive voice')),
           ('The children had eaten all the cherries.', M('active', 'active voice'))]),
    choice(['<p>Which sentence is the <b>passive</b> form of this sentence?</p>',
            quote('Millions of people watch the programme.')],
           ['The programme is watched by millions of people.',
            'The programme was watched by millions of people.',
            'Millions of people are watched by the programme.',
            'The programme watches millions of people.']),
    parts('Write each phrase in the plural.',
          ['<p>Write each phrase again, changing it to the plural. Change every word that needs to change.</p>',
           "<p>Example: <i>the girl's coat</i> becomes <i>the girls' coats</i>.</p>"],
          [('that loaf of bread', L('those loaves of bread')),
           ("this man's watch", L("these men's watches")),
           ("the fairy's wand", L("the fairies' wands"))]),
    choice(['<p>In which sentence is the word <b>round</b> a <b>preposition</b>?</p>'],
           ['We walked round the lake.',
            'The earth is round.',
            'She won the first round.',
            'The sheepdog will round up the sheep.']),
    parts('Write the correct word from the brackets.',
          ['<p>Choose the correct word in brackets for each sentence.</p>'],
          [("___ (Its / It's) been raining all day.", T("It's")),
           ("Is this bag ___ (yours / your's)?", T('yours')),
           ('The girls ___ (who / which) won the race were given medals.', T('who')),
           ("___ (Whose / Who's) coming to the party on Saturday?", T("Who's"))]),
    choice(['<p>Which verb fills the blank?</p>',
            '<p>Since last January, Zainab ___ three books a month.</p>'],
           ['has read', 'reads', 'is reading', 'read']),
    parts('Write the correct word.',
          ['<p>Each sentence has <b>one</b> word that is wrong. Write the correct word in its place.</p>'],
          [("My sister don't like spicy food.", M("doesn't", 'does not')),
           ('The players were given there medals after the match.', T('their')),
           ('We should of left earlier.', T('have')),
           ('Yesterday I buyed a new pair of trainers.', T('bought'))]),
]


# ============================================================= VOCABULARY

P106 = [
    choice(['<p>Which word best completes the sentence?</p>',
            '<p>The library is a ___ place where people can read without being disturbed.</p>'],
           ['quiet', 'noisy', 'crowded', 'busy']),
    choice(['<p>What does the word <b>enormous</b> mean?</p>'],
           ['very large', 'very small', 'very old', 'very fast']),
    single('Write the word.',
           ['<p>Write a word that means the <b>opposite</b> of <b>ancient</b>. It begins with the letter <b>m</b>.</p>'],
           T('modern')),
    parts('Write make or do in each blank.',
          ['<p>Write <b>make</b> or <b>do</b> to complete each sentence.</p>'],
          [('Please ___ your homework before dinner.', T('do')),
           ('Read carefully and try not to ___ any mistakes.', T('make')),
           ('Could you ___ me a favour?', T('do')),
           ("Don't ___ so much noise. The baby is asleep!", T('make'))]),
    parts('Add a prefix to make the opposite. Write the whole new word.',
          ['<p>Add <b>un-</b>, <b>im-</b>, <b>dis-</b> or <b>il-</b> to each word to make a word with the opposite meaning.</p>'],
          [('happy', T('unhappy')),
           ('possible', T('impossible')),
           ('agree', T('disagree')),
           ('legal', T('illegal'))]),
    parts('Write the correct word from the brackets.',
          ['<p>Choose the correct word in brackets for each sentence.</p>'],
          [('We could ___ (hear / here) the birds singing.', T('hear')),
           ('The children took off ___ (there / their / they\'re) muddy boots.', T('their')),
           ('I ate ___ (to / too / two) many sweets and felt sick.', T('too'))]),
    choice(['<p>"It\'s raining cats and dogs!" said Dad, looking out of the window.</p>',
            '<p>What did Dad mean?</p>'],
           ['It is raining very heavily.',
            'Animals are falling from the sky.',
            'It is raining a little.',
            'The pets are getting wet.']),
    single('Write the word.',
           ['<p>Write the word that matches the meaning. The first letter is given.</p>',
            '<p>a person whose job is to fit and repair water pipes, taps and toilets: %s</p>'
            % letters('p', 7)],
           T('plumber')),
    choice(['<p>Which word is closest in meaning to <b>begin</b>?</p>'],
           ['start', 'finish', 'stop', 'wait']),
    parts('Add -ful or -less to the word in brackets.',
          ['<p>Complete each sentence by adding <b>-ful</b> or <b>-less</b> to the word in brackets.</p>'],
          [('Be ___ (care) when you cross the road.', T('careful')),
           ('The night sky was ___ (cloud), so we could see every star.', T('cloudless')),
           ('Thank you for your ___ (help) advice.', T('helpful'))]),
    choice(['<p>Which word best completes the sentence?</p>',
            '<p>Amina was so ___ that she fell asleep as soon as her head touched the pillow.</p>'],
           ['exhausted', 'excited', 'hungry', 'angry']),
    parts('Write the missing word.',
          ['<p>Write the word that names each group.</p>'],
          [('a ___ of wolves', T('pack')),
           ('a ___ of bees', M('swarm', 'hive', 'colony')),
           ('a ___ of cows', T('herd')),
           ('a ___ of fish', M('shoal', 'school'))]),
    choice(['<p>Read the sentence.</p>',
            quote('The river was so shallow that we could walk across it.'),
            '<p>What does <b>shallow</b> mean?</p>'],
           ['not deep', 'very cold', 'very wide', 'flowing fast']),
    group('Write one answer in each box.',
          ['<p>Write down any <b>two</b> words from the box that mean almost the same as <b>happy</b>.</p>',
           box(['glad', 'gloomy', 'cheerful', 'furious', 'joyful', 'weary'])],
          ['glad', 'cheerful', 'joyful'], 2),
    parts('Write the compound word.',
          [box(['foot', 'ball', 'sun', 'flower', 'tooth', 'brush']),
           '<p>Join two words from the box to make a compound word that matches each meaning.</p>'],
          [('a game in which two teams kick a ball', T('football')),
           ('a tall plant with a large yellow flower', T('sunflower')),
           ('something you use to clean your teeth', T('toothbrush'))]),
    parts('Write the opposite of each word.',
          ['<p>Write a word with the opposite meaning. The first letter is given.</p>'],
          [('generous: %s' % letters('m', 4), T('mean')),
           ('arrive: %s' % letters('d', 6), T('depart')),
           ('victory: %s' % letters('d', 6), T('defeat'))]),
]

P107 = [
    choice(['<p>Which word best completes the sentence?</p>',
            '<p>The firefighters were praised for their ___ in saving the family from the burning house.</p>'],
           ['bravery', 'laziness', 'silence', 'greed']),
    choice(['<p>What does the word <b>fragile</b> mean?</p>'],
           ['easily broken', 'very heavy', 'brightly painted', 'very expensive']),
    parts('Write the word for each meaning.',
          ['<p>Write the word that matches each meaning. The first letter is given.</p>'],
          [('a place where aeroplanes take off and land: %s' % letters('a', 7), T('airport')),
           ('a person who looks after sick people in a hospital: %s' % letters('n', 5), T('nurse')),
           ('a book in which you can look up what words mean: %s' % letters('d', 10), T('dictionary')),
           ('a place where you can borrow books: %s' % letters('l', 7), T('library'))]),
    choice(['<p>Which word is usually used in the blank?</p>',
            '<p>We were late because of the ___ traffic on the motorway.</p>'],
           ['heavy', 'strong', 'fat', 'tall']),
    parts('Change the word in brackets into a noun.',
          ['<p>Change the word in brackets into a noun to complete each sentence.</p>'],
          [('We were amazed by the ___ (kind) of the strangers.', T('kindness')),
           ('The ___ (discover) of the old coins surprised everyone.', T('discovery')),
           ('Please do not make a ___ (decide) until you know all the facts.', T('decision')),
           ('Jaya won first prize in the ___ (compete).', T('competition'))]),
    choice(['<p>Leo promised to <b>keep an eye on</b> his baby brother while Mum was in the garden.</p>',
            '<p>What did Leo promise to do?</p>'],
           ['watch his brother carefully',
            'put something in his brother\'s eye',
            'keep one eye closed',
            'play a game with his brother']),
    parts('Write the correct word from the brackets.',
          ['<p>Choose the correct word in brackets for each sentence.</p>'],
          [('The wind ___ (blew / blue) the leaves across the yard.', T('blew')),
           ('We had to ___ (wait / weight) an hour for the bus.', T('wait')),
           ('She ___ (threw / through) the ball over the fence.', T('threw')),
           ('A ___ (pair / pear) of socks is missing from the wash.', T('pair'))]),
    choice(['<p>Which word means almost the same as <b>rapid</b>?</p>'],
           ['quick', 'slow', 'loud', 'smooth']),
    parts('Add a prefix to make the opposite. Write the whole new word.',
          ['<p>Add a prefix to each word to make a word with the opposite meaning.</p>'],
          [('honest', T('dishonest')),
           ('correct', T('incorrect')),
           ('visible', T('invisible')),
           ('responsible', T('irresponsible'))]),
    choice(['<p>Which word best completes the sentence?</p>',
            '<p>Our team played so well in the first half that we felt ___ to win the cup.</p>'],
           ['certain', 'doubtful', 'sorry', 'careless']),
    group('Write one answer in each box.',
          ['<p>Write down any <b>two</b> words from the box that mean the opposite of <b>brave</b>.</p>',
           box(['cowardly', 'bold', 'timid', 'fearless', 'fearful', 'daring'])],
          ['cowardly', 'timid', 'fearful'], 2),
    parts('Write the word from the box that matches each meaning.',
          [box(['anxious', 'annual', 'arrogant', 'ancient'])],
          [('happening once every year', T('annual')),
           ('very, very old', T('ancient')),
           ('worried and nervous', T('anxious')),
           ('thinking that you are better than other people', T('arrogant'))]),
    parts('Write a word from the box in each blank.',
          [box(['take', 'catch', 'keep', 'tell']),
           '<p>Use each word from the box once.</p>'],
          [('You must always ___ a promise.', T('keep')),
           ('Please ___ the truth.', T('tell')),
           ('Wrap up warmly or you will ___ a cold.', T('catch')),
           ('Can you ___ a photograph of us by the fountain?', T('take'))]),
    choice(['<p>"Organising the surprise party was <b>a piece of cake</b>," said Sam.</p>',
            '<p>What did Sam mean?</p>'],
           ['It was very easy.',
            'It was very tasty.',
            'It cost a lot of money.',
            'It took a very long time.']),
    parts('Write the word for each meaning.',
          ['<p>Write the word that matches each meaning. The first letter is given.</p>'],
          [('the person who lives in the house next to yours: <b>n</b>', M('neighbour', 'neighbor')),
           ('a building where plays are performed on a stage: <b>t</b>', M('theatre', 'theater')),
           ('a musical instrument with black and white keys: <b>p</b>', T('piano'))]),
    choice(['<p>Read the sentence.</p>',
            quote('The old bridge was demolished to make way for a new one.'),
            '<p>What does <b>demolished</b> mean?</p>'],
           ['knocked down', 'painted', 'repaired', 'built']),
]

P108 = [
    choice(['<p>Which word best completes the sentence?</p>',
            '<p>The weather forecast ___ heavy rain, so we took our umbrellas.</p>'],
           ['predicted', 'remembered', 'prevented', 'pretended']),
    choice(['<p>What does the word <b>reluctant</b> mean?</p>'],
           ['unwilling', 'eager', 'afraid', 'excited']),
    parts('Change the word in brackets into an adjective.',
          ['<p>Change the word in brackets into an adjective to complete each sentence.</p>'],
          [('The ___ (danger) path ran along the edge of the cliff.', T('dangerous')),
           ('It was a ___ (magic) evening under the stars.', T('magical')),
           ('Our new puppy is very ___ (energy) and never sits still.', T('energetic')),
           ('The kitten was ___ (curiosity) about the box and crept inside.', T('curious'))]),
    choice(['<p>At four o\'clock the teacher said, "We have worked hard. Let\'s <b>call it a day</b>."</p>',
            '<p>What did the teacher mean?</p>'],
           ["Let's stop working for now.",
            "Let's give the day a name.",
            "Let's telephone someone.",
            "Let's start the work again."]),
    parts('Write a word from the box in each blank.',
          [box(['fast', 'heavy', 'strong', 'high']),
           '<p>Use each word from the box once.</p>'],
          [('Grandpa likes his tea very ___.', T('strong')),
           ('The baby was ___ asleep in her cot.', T('fast')),
           ('A ___ fever kept Omar in bed all week.', T('high')),
           ('There was a ___ fall of snow during the night.', T('heavy'))]),
    parts('Write the word for each meaning.',
          ['<p>Write the word that matches each meaning. The first letter is given.</p>'],
          [('a person who travels into space: %s' % letters('a', 9), T('astronaut')),
           ('an instrument for looking at the stars and planets: %s' % letters('t', 9), T('telescope')),
           ('the study of living things: %s' % letters('b', 7), T('biology')),
           ('an animal that eats only plants: %s' % letters('h', 9), T('herbivore'))]),
    choice(['<p>Read the sentence.</p>',
            quote('Mum was furious when she saw the broken window.'),
            '<p>Which words could replace <b>furious</b>?</p>'],
           ['very angry', 'very pleased', 'very tired', 'very surprised']),
    parts('Write the correct word from the brackets.',
          ['<p>Choose the correct word in brackets for each sentence.</p>'],
          [('Please ___ (accept / except) this small gift.', T('accept')),
           ('Everyone went swimming ___ (accept / except) Ben.', T('except')),
           ('We walked ___ (passed / past) the old mill.', T('past')),
           ('The ___ (principal / principle) of the school gave a speech.', T('principal'))]),
    group('Write one answer in each box.',
          ['<p>The prefix <b>re-</b> can mean <i>again</i>. Write down any <b>two</b> words from the box in which <b>re-</b> means <i>again</i>.</p>',
           box(['rebuild', 'ready', 'replay', 'river', 'rewrite', 'reason'])],
          ['rebuild', 'replay', 'rewrite'], 2),
    parts('Add a prefix from the box. Write the whole new word.',
          [box(['sub', 'mis', 'pre', 're']),
           '<p>Add a prefix from the box to each word so that the new word matches the meaning.</p>'],
          [('heat: to heat an oven before cooking', T('preheat')),
           ('marine: a ship that can travel under the sea', T('submarine')),
           ('spell: to spell a word wrongly', T('misspell')),
           ('fill: to fill something again', T('refill'))]),
    choice(['<p>Which word best completes the sentence?</p>',
            '<p>The doctor ___ some medicine for my cough.</p>'],
           ['prescribed', 'described', 'subscribed', 'inscribed']),
    choice(['<p>"Don\'t <b>let the cat out of the bag</b> about the party!" whispered Ella.</p>',
            '<p>What did Ella mean?</p>'],
           ["Don't tell anyone the secret.",
            "Don't let the cat go outside.",
            "Don't buy a new bag.",
            "Don't bring the cat to the party."]),
    choice(['<p>In which sentence does <b>bark</b> mean the rough outer covering of a tree?</p>'],
           ['The bark of the old oak felt rough under my hand.',
            "The dog's bark woke me up.",
            'Dogs often bark at strangers.',
            'The sergeant began to bark orders at the soldiers.']),
    parts('Write the opposite of each word.',
          ['<p>Write a word with the opposite meaning. The first letter is given.</p>'],
          [('include: %s' % letters('e', 7), T('exclude')),
           ('permanent: %s' % letters('t', 9), T('temporary')),
           ('scarce: %s' % letters('p', 9), T('plentiful')),
           ('ascend: %s' % letters('d', 7), T('descend'))]),
    parts('Change the word in brackets into a noun.',
          ['<p>Change the word in brackets into a noun to complete each sentence.</p>'],
          [('The ___ (explode) shook every window in the street.', T('explosion')),
           ('We watched a ___ (perform) of Cinderella at the town hall.', T('performance')),
           ('Thank you for your ___ (patient) while we fixed the problem.', T('patience')),
           ('The ___ (invent) of the wheel changed the world.', T('invention'))]),
    choice(['<p>Which word best completes the sentence?</p>',
            '<p>Mei was ___ to see her best friend again after a whole year apart.</p>'],
           ['delighted', 'disappointed', 'disgusted', 'bored']),
]

P109 = [
    choice(['<p>A <b>generous</b> person is someone who</p>'],
           ['is happy to give and share',
            'keeps everything for themselves',
            'is always late',
            'likes to be alone']),
    choice(['<p>Read the sentence.</p>',
            quote('After the long drought, the farmers were relieved when it finally rained.'),
            '<p>What does <b>drought</b> mean?</p>'],
           ['a long time without rain', 'a terrible flood', 'a strong wind', 'a very cold winter']),
    choice(['<p>Priya was <b>over the moon</b> when she passed her swimming test.</p>',
            '<p>How did Priya feel?</p>'],
           ['very happy', 'very worried', 'very tired', 'confused']),
    parts('Write the word for each meaning.',
          ['<p>Write the word that matches each meaning. The first letter is given.</p>'],
          [('rings, necklaces and bracelets: <b>j</b>', M('jewellery', 'jewelry')),
           ('the middle point of a circle: <b>c</b>', M('centre', 'center')),
           ('a person who writes books or stories: <b>a</b>', T('author')),
           ('a person who travels in a bus, train, ship or plane but is not one of the crew: <b>p</b>',
            T('passenger'))]),
    choice(['<p>Which word is usually used in the blank?</p>',
            '<p>Please ___ attention to the instructions.</p>'],
           ['pay', 'give', 'make', 'take']),
    parts('Add a suffix to the word in brackets.',
          ['<p>Add a suffix to the word in brackets to complete each sentence.</p>'],
          [('The ___ (enjoy) of the audience was clear from their cheers.', T('enjoyment')),
           ('She smiled ___ (happy) at the baby.', T('happily')),
           ('The ___ (dark) of the cave frightened us.', T('darkness')),
           ('There was great ___ (excite) when the results were announced.', T('excitement'))]),
    choice(['<p>Look at these words: <i>bicycle</i>, <i>binoculars</i>, <i>biplane</i>.</p>',
            '<p>What does the prefix <b>bi-</b> mean?</p>'],
           ['two', 'many', 'one', 'half']),
    parts('Write the correct word from the brackets.',
          ['<p>Choose the correct word in brackets for each sentence.</p>'],
          [('The medicine had a strange ___ (affect / effect) on me.', T('effect')),
           ('Please be ___ (quiet / quite) in the library.', T('quiet')),
           ('My tooth is ___ (lose / loose) and will soon fall out.', T('loose')),
           ('Do you know ___ (weather / whether) the shop is open?', T('whether'))]),
    group('Write one answer in each box.',
          ['<p>Write down any <b>two</b> words from the box that mean <i>very small</i>.</p>',
           box(['tiny', 'gigantic', 'minute', 'massive', 'miniature', 'colossal'])],
          ['tiny', 'minute', 'miniature'], 2),
    choice(['<p>Which word is the noun formed from the verb <b>describe</b>?</p>'],
           ['description', 'describtion', 'descripsion', 'descriptive']),
    choice(['<p>"Tom has <b>a heart of gold</b>," said his grandmother.</p>',
            '<p>What did she mean?</p>'],
           ['Tom is very kind.',
            'Tom is very rich.',
            'Tom has a weak heart.',
            'Tom loves gold jewellery.']),
    choice(['<p>Which word best completes the sentence?</p>',
            '<p>The witness gave a ___ account of the accident, leaving out nothing important.</p>'],
           ['detailed', 'careless', 'vague', 'brief']),
    parts('Write a word from the box in each blank.',
          [box(['fluent', 'sound', 'bitter', 'pitch']),
           '<p>Use each word from the box once.</p>'],
          [('It was a ___ black night with no moon.', T('pitch')),
           ('Ana speaks ___ French because she grew up in Paris.', T('fluent')),
           ('The baby was ___ asleep and did not hear the thunder.', T('sound')),
           ('We wrapped up well against the ___ cold.', T('bitter'))]),
    parts('Write the word for each meaning.',
          ['<p>Write the word that matches each meaning. The first letter is given.</p>'],
          [('to make something bigger: %s' % letters('e', 7), T('enlarge')),
           ('a large group of musicians who play together: %s' % letters('o', 9), T('orchestra')),
           ('a long journey by sea or through space: %s' % letters('v', 6), T('voyage'))]),
    choice(['<p>Which word is the <b>opposite</b> of <b>transparent</b>?</p>'],
           ['opaque', 'clear', 'shiny', 'visible']),
    parts('Make a new word from the word in brackets.',
          ['<p>Add a prefix or a suffix to the word in brackets so that each sentence makes sense.</p>'],
          [('With a wave of his wand, the magician made the rabbit ___ (appear).', T('disappear')),
           ('The bite of this spider is ___ (harm): it cannot hurt you at all.', T('harmless')),
           ('It is ___ (polite) to talk with your mouth full.', T('impolite')),
           ('At the end of the play, the ___ (act) took a bow.', M('actor', 'actress'))]),
]

P110 = [
    choice(['<p>Which word best completes the sentence?</p>',
            '<p>The scientist\'s ___ led to a new medicine for the disease.</p>'],
           ['discovery', 'disguise', 'disaster', 'disgrace']),
    choice(['<p>What does the word <b>punctual</b> mean?</p>'],
           ['always on time', 'very polite', 'good at spelling', 'often late']),
    choice(['<p>The twins <b>do not see eye to eye</b> about anything.</p>',
            '<p>What does this tell us about the twins?</p>'],
           ['They often disagree.',
            'They look exactly alike.',
            'They cannot see very well.',
            'They never look at each other.']),
    parts('Write the word from the box that matches each meaning.',
          [box(['vacant', 'hostile', 'obvious', 'fatigue', 'ancient'])],
          [('empty; not being used by anyone', T('vacant')),
           ('unfriendly and ready to fight', T('hostile')),
           ('easy to see or understand', T('obvious')),
           ('great tiredness', T('fatigue'))]),
    parts('Write a word from the box in each blank.',
          [box(['make', 'do', 'take', 'have']),
           '<p>A word may be used more than once.</p>'],
          [("We're tired. Let's ___ a break for ten minutes.", M('take', 'have')),
           ('I always ___ my bed before breakfast.', T('make')),
           ('It is your turn to ___ the washing-up tonight.', T('do')),
           ('Did you ___ a good time at the party?', T('have'))]),
    parts('Change the word in brackets to fit the sentence.',
          ['<p>Change the form of the word in brackets so that each sentence makes sense.</p>'],
          [("The teacher's ___ (explain) was easy to follow.", T('explanation')),
           ('We stopped to admire the ___ (beautiful) of the mountains.', T('beauty')),
           ('The firefighter acted ___ (brave) and saved the puppy.', T('bravely')),
           ('Telling lies is ___ (honest).', T('dishonest')),
           ("Nobody noticed Ben's ___ (absent) from the lesson.", T('absence'))]),
    group('Write one answer in each box.',
          ['<p>Write down any <b>three</b> words from the box that could describe a <b>sound</b>.</p>',
           box(['deafening', 'shrill', 'fragrant', 'muffled', 'fluffy', 'piercing', 'sour'])],
          ['deafening', 'shrill', 'muffled', 'piercing'], 3),
    choice(['<p>Which word best completes the sentence?</p>',
            '<p>Please ___ your bicycle against the wall, not in the doorway.</p>'],
           ['lean', 'lend', 'learn', 'lead']),
    choice(['<p>Which word does <b>not</b> belong with the others?</p>'],
           ['delighted', 'furious', 'livid', 'enraged']),
    parts('Write the word for each meaning.',
          ['<p>Write the word that matches each meaning. The first letter is given.</p>'],
          [('a doctor who treats animals: <b>v</b>', M('vet', 'veterinarian', 'veterinary surgeon')),
           ('the sweet food eaten at the end of a meal: <b>d</b>', T('dessert')),
           ('a word that means the same, or almost the same, as another word: <b>s</b>', T('synonym')),
           ('the particular taste of a food, such as strawberry or mint: <b>f</b>', M('flavour', 'flavor'))]),
    choice(['<p>"<b>Hold your horses!</b>" called the coach as Dev started running before the whistle.</p>',
            '<p>What did the coach mean?</p>'],
           ['Wait and be patient!',
            'Hold the reins tightly!',
            'Run faster!',
            'Go and feed the horses!']),
    parts('Add a prefix to make the opposite. Write the whole new word.',
          ['<p>Add a prefix to each word to make a word with the opposite meaning.</p>'],
          [('patient', T('impatient')),
           ('regular', T('irregular')),
           ('literate', T('illiterate')),
           ('obey', T('disobey')),
           ('mature', T('immature'))]),
    choice(['<p>Which word best completes the sentence?</p>',
            '<p>The instructions were so ___ that nobody knew what to do.</p>'],
           ['confusing', 'confused', 'clear', 'simple']),
    choice(['<p>Read the sentence.</p>',
            quote('The hikers were famished after their long walk over the hills.'),
            '<p>What does <b>famished</b> mean?</p>'],
           ['very hungry', 'very famous', 'completely lost', 'very cold']),
    parts('Complete each simile.',
          ['<p>Write the missing word to complete each well-known simile.</p>'],
          [('as busy as a ___', M('bee', 'beaver')),
           ('as brave as a ___', T('lion')),
           ('as quiet as a ___', T('mouse')),
           ('as light as a ___', T('feather'))]),
    choice(['<p>In which sentence does <b>fair</b> mean <i>treating everyone in the same way</i>?</p>'],
           ['The referee was fair to both teams.',
            'We rode the big wheel at the fair.',
            'She has fair hair and blue eyes.',
            'The weather will be fair tomorrow.']),
    parts('Write the word for each meaning.',
          ['<p>Write the word that matches each meaning. The first letter is given.</p>'],
          [('a person who saw something happen and tells others about it: %s' % letters('w', 7), T('witness')),
           ('to look after and protect forests, wildlife or old buildings: %s' % letters('c', 8), T('conserve')),
           ('the person in charge of a ship: %s' % letters('c', 7), T('captain')),
           ('a long passage under the ground or through a hill: %s' % letters('t', 6), T('tunnel'))]),
]

PAPERS = [(101, P101), (102, P102), (103, P103), (104, P104), (105, P105),
          (106, P106), (107, P107), (108, P108), (109, P109), (110, P110)]


# ---------------------------------------------------------------- checks

ALLOWED_TAGS = {'p', 'b', 'i', 'ol', 'li', 'span', 'div', 'table', 'tr', 'td', 'th'}
ALLOWED_CLASSES = {'part', 'options', 'data', 'passage', 'figure', 'blank', 'frac'}


class PageCheck(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=False)
        self.stack = []
        self.options = 0
        self.labels = []
        self.in_part = False
        self.part_text = ''

    def handle_starttag(self, tag, attrs):
        assert tag in ALLOWED_TAGS, tag
        for name, value in attrs:
            assert name == 'class', name
            assert value in ALLOWED_CLASSES, value
        if tag == 'li':
            self.options += 1
        if tag == 'p' and ('class', 'part') in attrs:
            self.in_part = True
            self.part_text = ''
        self.stack.append(tag)

    def handle_endtag(self, tag):
        assert self.stack and self.stack[-1] == tag, (self.stack, tag)
        self.stack.pop()
        if tag == 'p' and self.in_part:
            m = re.match(r'\(([a-t])\) ', self.part_text)
            assert m, self.part_text
            self.labels.append(m.group(1))
            self.in_part = False

    def handle_data(self, data):
        assert '<' not in data and '>' not in data
        if self.in_part:
            self.part_text += data

    def handle_entityref(self, name):
        assert name in ('nbsp',), name
        if self.in_part:
            self.part_text += ' '

    def handle_charref(self, name):
        raise AssertionError('character reference &#%s;' % name)


def check_question(q):
    assert q.instruction and '\n' not in q.instruction
    assert not re.search(r'[&<>]', q.instruction), q.instruction
    assert 1 <= len(q.answers) <= 20
    html = '\n'.join(q.lines)
    assert '___' not in html
    assert not re.search(r'&(?!nbsp;)', html), q.qid
    page = PageCheck()
    page.feed(html)
    page.close()
    assert not page.stack, q.qid
    types = [a[0] for a in q.answers]
    for typ, marks, key in q.answers:
        assert marks in (1, 2)
        assert not re.search(r'[>#\t\r\n]', key), key
        if key == ' ':
            assert typ == 'G'
            continue
        assert key == key.strip() and key
        if typ == 'Q':
            assert key in '1234' and len(key) == 1
            assert page.options == 4, q.qid
        elif typ in ('M', 'G'):
            assert key.startswith(';')
            alts = key[1:].split(';')
            for a in alts:
                assert a and a == a.strip(), key
            assert len({a.lower() for a in alts}) == len(alts), key
        elif typ in ('T', 'L'):
            assert "'" not in key or typ == 'L', key
        else:
            raise AssertionError(typ)
    if 'Q' in types:
        assert types == ['Q']
    else:
        assert page.options == 0
    if types[0] == 'G':
        assert all(t == 'G' for t in types) and q.answers[0][2] != ' '
        assert len(q.answers[0][2][1:].split(';')) >= len(q.answers)
        assert all(a[2] == ' ' for a in q.answers[1:])
        assert not page.labels
    else:
        assert 'G' not in types
        if len(q.answers) > 1:
            assert page.labels == list('abcdefghijklmnopqrst'[:len(q.answers)]), (q.qid, page.labels)
        else:
            assert not page.labels, q.qid


def assign_ids():
    qid = FIRST_ID
    for paper, questions in PAPERS:
        for q in questions:
            q.qid = qid
            qid += 1
    assert qid - 1 == LAST_ID, qid - 1


def check_all():
    seen = set()
    last = 0
    for paper, questions in PAPERS:
        slots = sum(len(q.answers) for q in questions)
        marks = sum(a[1] for q in questions for a in q.answers)
        assert slots <= 80, (paper, slots)
        assert 20 <= marks <= 100, (paper, marks)
        for q in questions:
            assert q.qid > last and q.qid not in seen
            seen.add(q.qid)
            last = q.qid
            check_question(q)
    assert seen == set(range(FIRST_ID, LAST_ID + 1))
    # The shape of the first paper: three questions of five slots.
    assert [len(q.answers) for q in P101] == [5, 5, 5]
    # Every plural-phrase answer is a whole phrase; no stray spaces inside.
    for paper, questions in PAPERS:
        for q in questions:
            for typ, _, key in q.answers:
                if typ == 'L':
                    assert '  ' not in key


# ---------------------------------------------------------------- output

def paper_text(paper, questions):
    topic = 1 if paper <= 105 else 2
    number = (paper - 101) % 5 + 1
    out = ['# %s, paper %d' % (TOPICS[topic], number),
           '# Written by tools/gen_english_t1_t2.py; edit the script, not this file.',
           '']
    for q in questions:
        out.append('== %d' % q.qid)
        out.append('instruction: ' + q.instruction)
        out.extend(q.lines)
        for typ, marks, key in q.answers:
            out.append('answer: %s %d %s' % (typ, marks, '[space]' if key == ' ' else key))
        out.append('')
    return '\n'.join(out)


def main():
    assign_ids()
    check_all()
    os.makedirs(ENGLISH, exist_ok=True)
    for paper, questions in PAPERS:
        path = os.path.join(ENGLISH, '%d.txt' % paper)
        with open(path, 'w', encoding='utf-8', newline='\n') as f:
            f.write(paper_text(paper, questions))
        slots = sum(len(q.answers) for q in questions)
        marks = sum(a[1] for q in questions for a in q.answers)
        print('%d.txt: %d questions (%d..%d), %d slots, %d marks'
              % (paper, len(questions), questions[0].qid, questions[-1].qid, slots, marks))


if __name__ == '__main__':
    main()
