#!/usr/bin/env python3
"""Write the English "Mock Examination" papers (131..135).

Each paper is set out like an end-of-year English paper: grammar and
vocabulary multiple choice first, then spelling, synonyms and antonyms,
punctuation, sentence combining and a comprehension passage with several
questions.  Paper 135 ends with a twenty-blank cloze story.

Every question below is written out by hand; the helpers only build the
HTML and the answer lines.

Run from anywhere:  python3 course/tools/gen_english_t7.py
Standard library only; the output is the same on every run.
"""

import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))
COURSE = os.path.dirname(HERE)
OUT = os.path.join(COURSE, 'english')

FIRST_ID = 11401
LAST_ID = 11530
PAPERS = [131, 132, 133, 134, 135]
LETTERS = 'abcdefghijklmnopqrst'

BL = '<span class="blank">&nbsp;</span>'
MCQ = 'Write the number of the correct answer (1, 2, 3 or 4).'
REPORTED = ('Rewrite the sentence in reported speech, beginning with the words given. '
            'Write only the missing words.')
PASSIVE = ('Rewrite the sentence so that it begins with the words given. The meaning must not '
           'change. Write only the missing words.')
RIGHT_APOS = '\u2019'

# ---------------------------------------------------------------------------
# helpers
# ---------------------------------------------------------------------------


def P(text):
    return '<p>%s</p>' % text


def part(i, text):
    return '<p class="part">(%s) %s</p>' % (LETTERS[i], text)


def options(items):
    assert len(items) == 4
    return '<ol class="options">' + ''.join('<li>%s</li>' % s for s in items) + '</ol>'


def box(words):
    """A word box, drawn as a one-row ruled table."""
    rows = [words[i:i + 5] for i in range(0, len(words), 5)]
    return '<table class="data">%s</table>' % ''.join(
        '<tr>%s</tr>' % ''.join('<td>%s</td>' % w for w in r) for r in rows)


def alts(*words):
    """An alternatives key; any straight apostrophe also gets its curly twin."""
    out = []
    for w in words:
        for v in (w, w.replace("'", RIGHT_APOS)):
            if v.lower() not in [o.lower() for o in out]:
                out.append(v)
    return ';' + ';'.join(out)


def true_key(flag):
    return ';True;T' if flag else ';False;F'


def Q(instr, html, answers):
    return {'instr': instr, 'html': list(html), 'answers': list(answers)}


def mcq(stem, opts, ans, instr=MCQ, before=(), marks=1):
    """A multiple-choice question; `ans` is the number (1-4) of the right option."""
    html = list(before) + ([P(stem)] if stem else []) + [options(opts)]
    return Q(instr, html, [('Q', marks, str(ans))])


def multi(instr, intro, parts, after=()):
    """A question in parts: `parts` is a list of (text, type, marks, key)."""
    html = list(intro)
    answers = []
    for i, (text, t, mk, key) in enumerate(parts):
        html.append(part(i, text))
        answers.append((t, mk, key))
    html.extend(after)
    return Q(instr, html, answers)


def combine(sentences, word, frame, t, key, marks=2, instr=None):
    """Sentence combining: two sentences, the joining word, the frame to complete.

    With one sentence (`word` None) the pupil rewrites it as `instr` asks."""
    html = [P(s) for s in sentences]
    if word:
        assert len(sentences) == 2
        html.append(P('Use: <b>%s</b>' % word))
        instr = instr or ('Join the two sentences into one, using the word(s) given. '
                          'Complete the new sentence: write only the missing words.')
    else:
        assert len(sentences) == 1 and instr
    html.append(P(frame))
    return Q(instr, html, [(t, marks, key)])


WORDS = {}


def passage(title, paras):
    """A reading passage with numbered paragraphs."""
    words = sum(len(re.sub(r'<[^>]+>|&\w+;', ' ', p).split()) for p in paras)
    assert 250 <= words <= 450, (title, words)
    WORDS[title] = words
    out = ['<div class="passage">', P('<b>%s</b>' % title)]
    for i, p in enumerate(paras):
        out.append(P('<b>%d</b>&nbsp;&nbsp;%s' % (i + 1, p)))
    out.append('</div>')
    return out


def with_passage(pas, q):
    q['html'] = list(pas) + q['html']
    return q


# ---------------------------------------------------------------------------
# Paper 131
# ---------------------------------------------------------------------------

def paper131():
    qs = []
    # Grammar
    qs.append(mcq('Neither the teacher nor the pupils %s aware that the fire drill would '
                  'take place that morning.' % BL,
                  ['was', 'were', 'is', 'has been'], 2))
    qs.append(mcq('By the time we reached the stadium, the match %s.' % BL,
                  ['already started', 'has already started', 'was already start',
                   'had already started'], 4))
    qs.append(mcq('Each of the boys %s brought his own water bottle for the walk.' % BL,
                  ['has', 'have', 'are', 'were'], 1))
    qs.append(mcq('The librarian asked us %s quietly in the reading room.' % BL,
                  ['speak', 'speaking', 'to speak', 'spoke'], 3))
    qs.append(mcq('Hui Min is the %s of the three sisters.' % BL,
                  ['tall', 'taller', 'most tall', 'tallest'], 4))
    qs.append(mcq('You have finished your homework, %s?' % BL,
                  ["didn't you", "haven't you", "don't you", 'have you'], 2))
    qs.append(mcq('There is %s milk left in the jug, so we need to buy some more.' % BL,
                  ['little', 'a few', 'few', 'many'], 1))
    qs.append(mcq('The old man, %s house is next to the park, feeds the pigeons every morning.' % BL,
                  ['who', 'whom', 'whose', 'which'], 3))
    qs.append(mcq('If it %s tomorrow, sports day will be postponed.' % BL,
                  ['rain', 'rained', 'will rain', 'rains'], 4))
    qs.append(mcq('The cake was so delicious %s we finished it in ten minutes.' % BL,
                  ['than', 'that', 'and', 'as'], 2))
    # Vocabulary
    qs.append(mcq('The firefighters acted %s and rescued the family before the roof collapsed.' % BL,
                  ['reluctantly', 'timidly', 'promptly', 'clumsily'], 3))
    qs.append(mcq('The hikers were %s after walking for eight hours under the hot sun.' % BL,
                  ['exhausted', 'energetic', 'amused', 'curious'], 1))
    qs.append(mcq('The magician\'s trick was so %s that nobody in the audience could work out '
                  'how it was done.' % BL,
                  ['obvious', 'simple', 'boring', 'baffling'], 4))
    qs.append(mcq('Visitors must %s from eating or drinking in the computer laboratory.' % BL,
                  ['retain', 'refrain', 'remain', 'restrain'], 2))
    qs.append(mcq('The two teams were evenly matched, so the result of the final was difficult '
                  'to %s.' % BL,
                  ['protect', 'prevent', 'predict', 'pretend'], 3))
    # Synonyms and antonyms
    qs.append(mcq(None, ['loud', 'short', 'boring', 'clear'], 2,
                  instr='Which word is closest in meaning to the underlined word? ' + MCQ,
                  before=[P('The museum guide gave a <u>brief</u> talk before the tour began.')]))
    qs.append(mcq(None, ['wealthy', 'humble', 'cheerful', 'stingy'], 4,
                  instr='Which word is opposite in meaning to the underlined word? ' + MCQ,
                  before=[P('Uncle Raj is <u>generous</u> and often buys treats for all his nephews.')]))
    qs.append(multi(
        'Write the word from the box that has the same meaning as the underlined word.',
        [box(['annoyed', 'fragile', 'enormous', 'vanish', 'assist', 'ancient'])],
        [('The <u>huge</u> whale swam slowly beside our boat. ' + BL, 'T', 1, 'enormous'),
         ('Handle the glass vase carefully because it is <u>delicate</u>. ' + BL, 'T', 1, 'fragile'),
         ('Could you <u>help</u> me carry these boxes up the stairs? ' + BL, 'T', 1, 'assist'),
         ('The magician made the coin <u>disappear</u>. ' + BL, 'T', 1, 'vanish')]))
    qs.append(multi(
        'Add a prefix to each word to make a word with the opposite meaning. Write the new word.',
        [],
        [('honest ' + BL, 'T', 1, 'dishonest'),
         ('possible ' + BL, 'T', 1, 'impossible'),
         ('legal ' + BL, 'T', 1, 'illegal'),
         ('patient ' + BL, 'T', 1, 'impatient')]))
    # Spelling
    wrong = [('Yesturday', 'Yesterday'), ('seperated', 'separated'), ('exibit', 'exhibit'),
             ('explaination', 'explanation'), ('suprised', 'surprised'), ('occured', 'occurred'),
             ('restarant', 'restaurant'), ('dissapointed', 'disappointed'),
             ('beautifuly', 'beautifully'), ('truely', 'truly')]
    u = ['<u>%s</u> (%s)' % (w, LETTERS[i]) for i, (w, _) in enumerate(wrong)]
    text = ('%s, our class went on a trip to the science centre. We were %s into groups '
            'of five, and each group had its own guide. My group\'s favourite %s was a machine '
            'that made sparks jump between two metal balls. Our guide gave us a clear %s of how '
            'it worked. I was %s to learn that a flash of lightning is hotter than the surface of '
            'the sun. Something funny %s during lunch in the %s: a pigeon flew in and landed on '
            'our teacher\'s tray! I was %s when it was time to leave, but our teacher said we had '
            'behaved %s all day. It was %s the best trip of the year.') % tuple(u)
    qs.append(multi(
        'Each underlined word in the passage is spelt wrongly. Write the correct spelling.',
        ['<div class="passage">', P(text), '</div>'],
        [('%s %s' % (w, BL), 'T', 1, r) for w, r in wrong]))
    # Grammar editing
    qs.append(multi(
        'Each underlined word is wrong. Write the correct word.',
        ['<div class="passage">',
         P('Every Saturday, my brother and I <u>goes</u> (a) to the market with Grandma. Last '
           'week, she <u>buyed</u> (b) a basket of mangoes from a stall near the entrance. The '
           'stall owner, who <u>know</u> (c) Grandma well, gave us two extra mangoes for free. On '
           'the way home, my brother <u>drop</u> (d) the basket and some of the mangoes rolled '
           'into a drain. Grandma <u>were</u> (e) not angry with <u>he</u> (f). She only laughed '
           'and said that the fish would have a feast.'),
         '</div>'],
        [('goes ' + BL, 'T', 1, 'go'),
         ('buyed ' + BL, 'T', 1, 'bought'),
         ('know ' + BL, 'M', 1, alts('knows', 'knew')),
         ('drop ' + BL, 'T', 1, 'dropped'),
         ('were ' + BL, 'T', 1, 'was'),
         ('he ' + BL, 'T', 1, 'him')]))
    # Punctuation
    qs.append(multi(
        'Each sentence needs one more comma. Write the word that comes just BEFORE the '
        'missing comma.',
        [],
        [('After the storm had passed we went outside to look at the damage. ' + BL,
          'T', 1, 'passed'),
         ('Yes I will help you carry the boxes to the hall. ' + BL, 'T', 1, 'Yes'),
         ('Mr Lim our new football coach, is very strict about being on time. ' + BL,
          'T', 1, 'Lim'),
         ('For the cake we need flour, sugar, eggs butter and milk. ' + BL, 'T', 1, 'eggs')]))
    qs.append(multi(
        'Write each underlined group of words as one word with an apostrophe.',
        [],
        [('We <u>will not</u> be late for the concert. ' + BL, 'M', 1, alts("won't")),
         ('<u>They are</u> coming to stay with us in June. ' + BL, 'M', 1, alts("they're")),
         ('<u>Let us</u> go to the playground after lunch. ' + BL, 'M', 1, alts("let's")),
         ('Daniel <u>could not</u> find his other shoe. ' + BL, 'M', 1, alts("couldn't"))]))
    # Sentence combining
    qs.append(combine(['The boy is my cousin.', 'He won the spelling competition.'], 'who',
                      'The boy %s is my cousin.' % BL,
                      'L', 'who won the spelling competition'))
    qs.append(combine(['Ravi was feeling unwell.', 'He still went to school.'], 'Despite',
                      'Despite %s, Ravi went to school.' % BL,
                      'M', alts('feeling unwell', 'being unwell')))
    qs.append(combine(['The box was very heavy.', 'Mei could not lift it.'], 'too ... to',
                      'The box was too heavy %s.' % BL,
                      'L', 'for Mei to lift'))
    qs.append(combine(['You must water the plants every day.', 'If you do not, they will die.'],
                      'unless',
                      'The plants will die unless %s.' % BL,
                      'M', alts('you water them every day', 'you water the plants every day')))
    qs.append(combine(['"I will finish the project tomorrow," said Amir.'], None,
                      'Amir said that %s.' % BL,
                      'M', alts('he would finish the project the next day',
                                'he would finish the project the following day',
                                'he would finish the project the day after',
                                'he would finish the project on the following day'),
                      instr=REPORTED))
    # Vocabulary cloze
    words = ['neglected', 'formed', 'loosened', 'quit', 'encouraged', 'bursting', 'visited',
             'impressed']
    b = ['(%s) %s' % (LETTERS[i], BL) for i in range(8)]
    text = ('Our school garden was once a %s patch of weeds and broken pots. Last year, Mrs '
            'Rahman %s a gardening club so that pupils could bring it back to life. We %s the '
            'hard soil, planted seeds and built a small pond. At first, progress was slow and '
            'some of us wanted to %s. However, Mrs Rahman %s us to keep going. By the end of the '
            'year, the garden was %s with colourful flowers, and butterflies %s it every '
            'morning. The principal was so %s that she asked us to look after the garden next '
            'year too.') % tuple(b)
    qs.append(multi(
        'Fill in each blank with a word from the box. Use each word once only. Two words will '
        'not be used.',
        [box(['ancient', 'bursting', 'encouraged', 'formed', 'impressed', 'loosened', 'neglected',
              'quit', 'scolded', 'visited']),
         '<div class="passage">', P(text), '</div>'],
        [(BL, 'T', 1, w) for w in words]))
    # Comprehension
    pas = passage('The Dog in the Rain', [
        'The rain had been falling since lunchtime, and by the time school ended, the drains '
        'along Jalan Kenari were gurgling like angry rivers. Mei Lin pulled up the hood of her '
        'raincoat and hurried towards the bus stop. She was halfway there when she heard a faint '
        'whimper coming from beneath a parked lorry.',
        'She crouched down and peered into the gloom. A small brown dog with one white ear was '
        'huddled against a tyre, shivering so hard that its collar jingled. Mei Lin knew that she '
        'should not touch strange animals, so she spoke softly to it and waited. After a long '
        'minute, the dog crept forward and sniffed her fingers. Then it licked them.',
        '"You\'re lost, aren\'t you?" she whispered. There was a small metal tag on the collar, '
        'but the name on it had been rubbed away. Only a telephone number could still be read.',
        'Mei Lin did not own a mobile phone. She thought for a moment, then wrapped the dog in '
        'her PE towel and carried it to the provision shop at the corner. Mr Tan, the '
        'shopkeeper, had known her since she was a baby. He listened to her story, frowned at '
        'the tag and dialled the number.',
        'Nobody answered. Mr Tan tried again ten minutes later, and then again. Mei Lin\'s bus '
        'came and went. She sent a message to her mother from Mr Tan\'s phone so that she would '
        'not worry, and sat on an upturned crate with the dog asleep on her lap.',
        'At half past five, the shop telephone rang. A woman\'s breathless voice explained that '
        'her son\'s dog, Biscuit, had slipped out of their gate that morning, and that the whole '
        'family had been searching the estate ever since. Twenty minutes later, a boy about Mei '
        'Lin\'s age burst through the door, soaked from head to toe. Biscuit leapt off her lap '
        'and into his arms.',
        'The boy could hardly speak. He shook Mei Lin\'s hand, then Mr Tan\'s, then Mei Lin\'s '
        'again. The next afternoon, a packet of home-made pineapple tarts was waiting for her at '
        'the provision shop, with a note that said: "From Biscuit, with a wag."'])
    qs.append(mcq('Why did Mei Lin speak softly to the dog and wait, instead of picking it up '
                  'at once?',
                  ['She was afraid that the dog would bite her.',
                   'She knew that she should not touch strange animals.',
                   'She wanted to read the tag on its collar first.',
                   'She was waiting for the rain to stop.'], 2,
                  instr='Read the passage. ' + MCQ, before=pas))
    qs.append(with_passage(pas, multi(
        'Read the passage. Write True or False for each statement.', [],
        [('The dog was found under a parked lorry. ' + BL, 'M', 1, true_key(True)),
         ('The name on the dog\'s tag was easy to read. ' + BL, 'M', 1, true_key(False)),
         ('Mei Lin used her own mobile phone to send a message to her mother. ' + BL,
          'M', 1, true_key(False)),
         ('Mei Lin missed her bus while she was at the shop. ' + BL, 'M', 1, true_key(True))])))
    qs.append(with_passage(pas, multi(
        'Read the passage. Find ONE word in the given paragraph that has the same meaning '
        'as each of these.', [],
        [('darkness (paragraph 2) ' + BL, 'T', 1, 'gloom'),
         ('moved slowly and quietly (paragraph 2) ' + BL, 'T', 1, 'crept'),
         ('out of breath (paragraph 6) ' + BL, 'T', 1, 'breathless'),
         ('jumped (paragraph 6) ' + BL, 'M', 1, alts('leapt'))])))
    qs.append(with_passage(pas, multi(
        'Read the passage. Number the events 1 to 4 in the order in which they happened. Write '
        'the number only.', [],
        [('The shop telephone rang. ' + BL, 'N', 1, '3'),
         ('Mei Lin heard a whimper. ' + BL, 'N', 1, '1'),
         ('A boy burst through the door of the shop. ' + BL, 'N', 1, '4'),
         ('Mr Tan dialled the number on the tag. ' + BL, 'N', 1, '2')])))
    qs.append(with_passage(pas, multi(
        'Read the passage. Who or what does each underlined word refer to? Write the words '
        'from the passage.', [],
        [('"Then it licked <u>them</u>." (paragraph 2) ' + BL, 'M', 1,
          alts('her fingers', "Mei Lin's fingers", 'fingers', 'the fingers')),
         ('"<u>He</u> listened to her story" (paragraph 4) ' + BL, 'M', 1,
          alts('Mr Tan', 'Mr. Tan', 'the shopkeeper', 'Mr Tan, the shopkeeper', 'Mr Tan the shopkeeper')),
         ('"so that <u>she</u> would not worry" (paragraph 5) ' + BL, 'M', 1,
          alts('her mother', "Mei Lin's mother", 'mother', 'the mother'))])))
    qs.append(with_passage(pas, multi(
        'Read the passage. Answer each part.', [],
        [('How many times did Mr Tan dial the number on the tag? Write the number only. ' + BL,
          'N', 1, '3'),
         ('What was the name of the lost dog? ' + BL, 'T', 1, 'Biscuit')])))
    return qs


# ---------------------------------------------------------------------------
# Paper 132
# ---------------------------------------------------------------------------

def paper132():
    qs = []
    qs.append(mcq('The parcel %s delivered to the wrong address yesterday.' % BL,
                  ['is', 'has', 'was', 'were'], 3))
    qs.append(mcq('Either my sister or my parents %s going to fetch me from school today.' % BL,
                  ['are', 'is', 'was', 'has'], 1))
    qs.append(mcq('We stayed indoors all afternoon %s the haze was very bad.' % BL,
                  ['although', 'unless', 'so', 'because'], 4))
    qs.append(mcq('Aminah has been learning the violin %s she was seven years old.' % BL,
                  ['for', 'since', 'from', 'during'], 2))
    qs.append(mcq('The teacher praised Jun Jie and %s for our neat work.' % BL,
                  ['I', 'my', 'me', 'mine'], 3))
    qs.append(mcq('I am looking forward to %s my cousins during the holidays.' % BL,
                  ['seeing', 'see', 'saw', 'be seeing'], 1))
    qs.append(mcq('Hardly had the bell rung %s the pupils rushed out of the classroom.' % BL,
                  ['than', 'then', 'when', 'while'], 3))
    qs.append(mcq('The audience gave the young pianist a standing ovation because her performance '
                  'was %s.' % BL,
                  ['mediocre', 'outstanding', 'tedious', 'hesitant'], 2))
    qs.append(mcq('The detective studied the footprints %s, searching for any clue that the '
                  'police had missed.' % BL,
                  ['carelessly', 'hastily', 'briefly', 'meticulously'], 4))
    qs.append(mcq('My grandmother is very %s: she saves every cent she can and never wastes '
                  'food.' % BL,
                  ['thrifty', 'greedy', 'wealthy', 'generous'], 1))
    qs.append(mcq('The new pupil was %s at first, but she soon made many friends.' % BL,
                  ['boastful', 'furious', 'reserved', 'talkative'], 3))
    qs.append(multi(
        'Write the word from the box that has the same meaning as the underlined word or words.',
        [box(['shabby', 'glanced', 'courageous', 'rapidly', 'purchased', 'minute', 'furious'])],
        [('The <u>bold</u> firefighter ran into the smoke to save the kitten. ' + BL,
          'T', 1, 'courageous'),
         ('Dad <u>bought</u> a new fan for the living room yesterday. ' + BL, 'T', 1, 'purchased'),
         ('The farmer was <u>enraged</u> when the goats ate his vegetables. ' + BL,
          'T', 1, 'furious'),
         ('Mei <u>looked quickly</u> at her watch and gasped. ' + BL, 'T', 1, 'glanced'),
         ('The cheetah ran <u>swiftly</u> across the grassland. ' + BL, 'T', 1, 'rapidly')]))
    qs.append(multi(
        'Write a word that is opposite in meaning to the underlined word. The first letter is '
        'given, and each dash stands for one missing letter.',
        [],
        [('The water at this end of the pool is <u>shallow</u>. d _ _ _ ' + BL, 'T', 1, 'deep'),
         ('The shopkeeper gave a <u>rude</u> reply. p _ _ _ _ _ ' + BL, 'T', 1, 'polite'),
         ('The bus was <u>crowded</u> this morning. e _ _ _ _ ' + BL, 'T', 1, 'empty'),
         ('Marcus is a <u>careless</u> cyclist. c _ _ _ _ _ _ ' + BL, 'T', 1, 'careful'),
         ('We walked along a <u>narrow</u> path. w _ _ _ ' + BL, 'T', 1, 'wide')]))
    qs.append(multi(
        'One word in each sentence is spelt wrongly. Write the correct spelling of that word.',
        [],
        [('The town council has built a new libary near our school. ' + BL, 'T', 1, 'library'),
         ('My neighbour recieved a letter from his son in Australia. ' + BL, 'T', 1, 'received'),
         ('We should always be greatful for the help we get. ' + BL, 'T', 1, 'grateful'),
         ('The twins argued about whose turn it was to use the computor. ' + BL,
          'T', 1, 'computer'),
         ('Please remember to bring an umbrela tomorrow. ' + BL, 'T', 1, 'umbrella'),
         ('The tempreture dropped sharply during the night. ' + BL, 'T', 1, 'temperature')]))
    qs.append(mcq('Which sentence is punctuated correctly?',
                  ['"Can you help me," asked Priya?',
                   '"Can you help me?", asked Priya.',
                   '"Can you help me?" asked Priya.',
                   '"Can you help me" asked Priya?'], 3))
    qs.append(multi(
        'Rewrite the underlined words in a shorter way, using an apostrophe.',
        [],
        [('We found <u>the bags of the girls</u> in the hall. ' + BL, 'M', 1,
          alts("the girls' bags", "girls' bags")),
         ('<u>The tail of the cat</u> got caught in the door. ' + BL, 'M', 1,
          alts("the cat's tail", "cat's tail")),
         ('<u>The toys of the children</u> were all over the floor. ' + BL, 'M', 1,
          alts("the children's toys", "children's toys")),
         ('Please take this note to <u>the office of the principal</u>. ' + BL, 'M', 1,
          alts("the principal's office", "principal's office"))]))
    qs.append(combine(['This is the park.', 'I learnt to ride a bicycle here.'], 'where',
                      'This is the park %s.' % BL,
                      'M', alts('where I learnt to ride a bicycle', 'where I learned to ride a bicycle')))
    qs.append(combine(['Dad locked the front door.', 'Then he went to bed.'], 'Before',
                      'Before %s, Dad locked the front door.' % BL,
                      'M', alts('he went to bed', 'going to bed')))
    qs.append(combine(['The chef cooked a delicious meal.'], None,
                      'A delicious meal %s.' % BL,
                      'L', 'was cooked by the chef', instr=PASSIVE))
    pas = passage('Forests Where the Sea Comes In', [
        'Along many tropical coastlines, where rivers meet the sea, grow forests unlike any '
        'others. Twice a day, the tide creeps in and covers the muddy ground with salty water; '
        'twice a day, it drains away again. These are mangrove forests, and the trees that live '
        'in them are some of the toughest plants on Earth.',
        'Most plants would die if their roots sat in salt water. Mangroves have found ways to '
        'cope. Some kinds filter out most of the salt before the water even enters their roots. '
        'Others take in the salt and then get rid of it through their leaves. If you licked a '
        'leaf of one of these mangroves, you could actually taste the salt on it &mdash; though '
        'it is wiser to take a scientist\'s word for it.',
        'Breathing is another problem. The thick mud holds very little air, so some mangroves '
        'send up pencil-like roots that poke out of the mud like the fingers of a buried hand. '
        'These roots take in air when the tide is low. Other mangroves stand on tall, arching '
        'roots that look like stilts and keep the trees steady in the soft ground.',
        'The tangle of roots makes a perfect nursery. Young fish hide among them from larger '
        'hunters. Crabs dig burrows in the mud, and mudskippers &mdash; fish that can breathe '
        'out of water &mdash; flip across the surface. Birds such as herons and kingfishers come '
        'to feed, and in some places monkeys and otters visit too.',
        'Mangroves protect people as well. Their roots trap mud and hold the coastline in place, '
        'and the forest acts as a living wall that softens the force of storm waves. In some '
        'countries, villages that were sheltered by a wide belt of mangroves suffered far less '
        'damage during storms than villages where the trees had been cleared.',
        'Sadly, large areas of mangrove forest have been cut down to make way for fish farms, '
        'ports and housing. Today, many countries are replanting them. It is slow work: a '
        'seedling planted today may take ten years or more to grow into a healthy tree. But '
        'every seedling is a small step towards a stronger, safer coast.'])
    qs.append(mcq('What is the main purpose of this passage?',
                  ['to tell the story of a family trip to a mangrove forest',
                   'to explain how mangroves survive and why they are important',
                   'to persuade readers to visit fish farms and ports',
                   'to give instructions for planting a mangrove seedling'], 2,
                  instr='Read the passage. ' + MCQ, before=pas, marks=2))
    qs.append(with_passage(pas, multi(
        'Read the passage. Write True or False for each statement.', [],
        [('The tide covers the mud of a mangrove forest once a day. ' + BL,
          'M', 1, true_key(False)),
         ('All mangroves get rid of salt through their leaves. ' + BL, 'M', 1, true_key(False)),
         ('Some mangrove roots take in air when the tide is low. ' + BL, 'M', 1, true_key(True)),
         ('Mudskippers are a kind of fish. ' + BL, 'M', 1, true_key(True))])))
    qs.append(with_passage(pas, multi(
        'Read the passage. Find ONE word in the given paragraph that has the same meaning '
        'as each of these.', [],
        [('best able to survive hard conditions (paragraph 1) ' + BL, 'T', 1, 'toughest'),
         ('manage a difficulty successfully (paragraph 2) ' + BL, 'T', 1, 'cope'),
         ('curving over like a bridge (paragraph 3) ' + BL, 'T', 1, 'arching'),
         ('makes weaker or gentler (paragraph 5) ' + BL, 'T', 1, 'softens')])))
    qs.append(with_passage(pas, multi(
        'Read the passage. Paragraph 4 names two kinds of birds. Copy the two bird names '
        'exactly as they are written in the passage, in any order.', [],
        [('first bird ' + BL, 'G', 1, ';herons;kingfishers'),
         ('second bird ' + BL, 'G', 1, '[space]')])))
    qs.append(with_passage(pas, multi(
        'Read the passage. Answer each part.', [],
        [('According to paragraph 6, a seedling planted today may take at least how many '
          'years to grow into a healthy tree? Write the number only. ' + BL, 'N', 1, '10'),
         ('In paragraph 3, some roots poke out of the mud like the fingers of a buried hand. '
          'What do the tall, arching roots look like? Write one word. ' + BL, 'M', 1,
          alts('stilts', 'stilt')),
         ('In paragraph 6, what does "them" in "many countries are replanting them" refer to? '
          + BL, 'M', 1,
          alts('mangrove forests', 'mangroves', 'the mangrove forests', 'the mangroves',
               'mangrove forest', 'mangrove trees', 'the mangrove trees'))])))
    return qs


# ---------------------------------------------------------------------------
# Paper 133
# ---------------------------------------------------------------------------

def paper133():
    qs = []
    qs.append(mcq('Not one of the cupcakes %s left after the party.' % BL,
                  ['were', 'was', 'are', 'have been'], 2))
    qs.append(mcq('My mother made me %s my room before I could go out to play.' % BL,
                  ['to tidy', 'tidying', 'tidied', 'tidy'], 4))
    qs.append(mcq('The twins look so alike that I can never tell %s apart.' % BL,
                  ['they', 'their', 'them', 'theirs'], 3))
    qs.append(mcq('While Dad %s the car, it started to rain.' % BL,
                  ['was washing', 'washes', 'has washed', 'is washing'], 1))
    qs.append(mcq('Grandpa is very fond %s his vegetable garden.' % BL,
                  ['with', 'for', 'about', 'of'], 4))
    qs.append(mcq('Ben %s his homework yet, so he cannot watch television.' % BL,
                  ["didn't finish", "hasn't finished", "hadn't finish", "doesn't finished"], 2))
    qs.append(mcq('%s of the two answers is correct, so we must try again.' % BL,
                  ['Either', 'Both', 'Neither', 'None'], 3))
    qs.append(mcq('The volcano had been %s for hundreds of years, so nobody expected it to '
                  'erupt.' % BL,
                  ['dormant', 'active', 'violent', 'visible'], 1))
    qs.append(mcq('Kumar was %s to lend his new bicycle to his cousin, as he was afraid it might '
                  'be damaged.' % BL,
                  ['eager', 'delighted', 'proud', 'reluctant'], 4))
    qs.append(mcq('The road was closed %s while workers repaired a burst pipe.' % BL,
                  ['permanently', 'temporarily', 'nervously', 'politely'], 2))
    qs.append(mcq('The hungry boy %s his dinner in a few minutes.' % BL,
                  ['nibbled', 'sipped', 'devoured', 'tasted'], 3))
    qs.append(multi(
        'Write the correct form of the word in brackets.',
        [],
        [('The (decide) %s to cancel the concert disappointed many fans.' % BL,
          'T', 1, 'decision'),
         ('The children listened (attentive) %s to the story.' % BL, 'T', 1, 'attentively'),
         ('Our team showed great (determine) %s in the final.' % BL, 'T', 1, 'determination'),
         ('The medicine made my headache (appear) %s within an hour.' % BL,
          'T', 1, 'disappear'),
         ('The (explore) %s sailed across the ocean in search of new lands.' % BL,
          'M', 1, alts('explorer', 'explorers')),
         ('It is (danger) %s to swim in the sea when there are strong currents.' % BL,
          'T', 1, 'dangerous')]))
    qs.append(multi(
        'Write the word from the box that is opposite in meaning to the underlined word.',
        [box(['cautious', 'seldom', 'victory', 'generous', 'depart', 'expand', 'ancient'])],
        [('The old man was <u>stingy</u> and never gave anything away. ' + BL,
          'T', 1, 'generous'),
         ('We <u>often</u> go swimming on Saturday mornings. ' + BL, 'T', 1, 'seldom'),
         ('The balloon will <u>shrink</u> when the air inside it cools. ' + BL,
          'T', 1, 'expand'),
         ('The match ended in <u>defeat</u> for our school. ' + BL, 'T', 1, 'victory'),
         ('The museum is housed in a <u>modern</u> building. ' + BL, 'T', 1, 'ancient')]))
    qs.append(multi(
        'Choose the correctly spelt word from the brackets. Write it.',
        [],
        [('The principal gave us some useful (advice / advise) before the examination. ' + BL,
          'T', 1, 'advice'),
         ('Too much screen time at night can (affect / effect) your sleep. ' + BL,
          'T', 1, 'affect'),
         ('The (whole / hole) class cheered when the results were announced. ' + BL,
          'T', 1, 'whole'),
         ('We watched the ship (sail / sale) slowly out of the harbour. ' + BL, 'T', 1, 'sail'),
         ('The bookshop also sells pens, paper and other (stationary / stationery). ' + BL,
          'T', 1, 'stationery'),
         ('The twins left (their / there) bags on the bus. ' + BL, 'T', 1, 'their')]))
    qs.append(mcq('In which sentence is the apostrophe used correctly?',
                  ['The dog chased it\'s own tail.',
                   'The dogs\' bowls were all empty.',
                   'The childrens\' shoes were muddy.',
                   'The cat\'s are asleep on the sofa.'], 2))
    qs.append(combine(['The weather was very hot.', 'We could not play outside.'], 'so ... that',
                      'The weather was %s play outside.' % BL,
                      'M', alts('so hot that we could not', "so hot that we couldn't",
                                'so hot that we were unable to')))
    qs.append(combine(['You may have the apple.', 'You may have the orange instead.'],
                      'either ... or',
                      'You may have %s the orange.' % BL,
                      'L', 'either the apple or'))
    qs.append(combine(['The girl is my neighbour.', 'Her bicycle was stolen.'], 'whose',
                      'The girl %s is my neighbour.' % BL,
                      'L', 'whose bicycle was stolen'))
    qs.append(combine(['"Where did you put my keys?" Mum asked me.'], None,
                      'Mum asked me %s.' % BL,
                      'M', alts('where I had put her keys', 'where I put her keys'),
                      instr=REPORTED))
    pas = passage('The Deep End', [
        'For three weeks, Ravi had been dreading Thursday. On Thursday, every pupil in Primary '
        'Six would have to swim one length of the school pool without stopping, and Ravi had '
        'never swum more than half a length in his life.',
        'It was not that he could not swim. In the shallow end, where his feet could touch the '
        'bottom whenever he liked, he moved through the water quite happily. The trouble began '
        'at the halfway mark, where the floor of the pool sloped suddenly downwards and the water '
        'turned from pale blue to a deep, unfriendly green. Every time he reached that line, his '
        'arms seemed to forget what they were supposed to do.',
        'On Monday, he told his grandfather about it. Grandpa did not laugh, and he did not say, '
        '"Just try harder." Instead, he took Ravi to the public pool that evening and sat on the '
        'edge with his trousers rolled up to his knees.',
        '"Swim to the middle," he said, "then turn on your back and look at the sky. Count to '
        'ten. Then swim back."',
        'Ravi did as he was told. Floating on his back, with the water holding him up, he could '
        'see the first stars appearing above the floodlights. He counted to ten, then to twenty. '
        'Nothing terrible happened. The deep water underneath him was exactly the same water as '
        'the shallow water; there was simply more of it.',
        'They went back on Tuesday and Wednesday. Each evening, Ravi floated a little further '
        'into the deep end before turning round. By Wednesday night he had swum the full length '
        'twice, slowly and clumsily, but without stopping.',
        'On Thursday, his heart was thumping as he stood at the edge of the pool. Halfway across, '
        'he saw the floor drop away and felt the old panic rising. He rolled onto his back, '
        'counted to five, rolled over again and kept going. When his hand finally touched the '
        'far wall, he heard Mr Lim blow his whistle and call out, "Well done, Ravi!"',
        'That evening, Ravi told Grandpa that he had passed. Grandpa simply nodded, as if he had '
        'known all along.'])
    qs.append(mcq('Why did Ravi have trouble swimming in the deep end?',
                  ['He had never learnt how to swim.',
                   'The water in the deep end was too cold for him.',
                   'His teacher would not allow him to go there.',
                   'He panicked when he could no longer touch the bottom.'], 4,
                  instr='Read the passage. ' + MCQ, before=pas, marks=2))
    qs.append(with_passage(pas, multi(
        'Read the passage. Write True or False for each statement.', [],
        [('Ravi could swim happily in the shallow end. ' + BL, 'M', 1, true_key(True)),
         ('Grandpa told Ravi that he should just try harder. ' + BL, 'M', 1, true_key(False)),
         ('Ravi practised at the public pool on three evenings before the test. ' + BL,
          'M', 1, true_key(True)),
         ('During the test, Ravi did not feel any panic at all. ' + BL, 'M', 1,
          true_key(False))])))
    qs.append(with_passage(pas, multi(
        'Read the passage. Find ONE word in the given paragraph that has the same meaning '
        'as each of these.', [],
        [('feeling very worried about something that is going to happen (paragraph 1) ' + BL,
          'T', 1, 'dreading'),
         ('went down at an angle (paragraph 2) ' + BL, 'T', 1, 'sloped'),
         ('in an awkward way that is not smooth (paragraph 6) ' + BL, 'T', 1, 'clumsily'),
         ('beating hard and fast (paragraph 7) ' + BL, 'T', 1, 'thumping')])))
    qs.append(with_passage(pas, multi(
        'Read the passage. Number the events 1 to 4 in the order in which they happened. Write '
        'the number only.', [],
        [('Mr Lim called out, "Well done, Ravi!" ' + BL, 'N', 1, '4'),
         ('Ravi floated on his back and saw the first stars. ' + BL, 'N', 1, '2'),
         ('Ravi told Grandpa about his problem. ' + BL, 'N', 1, '1'),
         ('Ravi swam the full length of the pool twice. ' + BL, 'N', 1, '3')])))
    qs.append(with_passage(pas, multi(
        'Read the passage. Answer each part.', [],
        [('During the test, Ravi rolled onto his back and counted. Up to what number did he '
          'count? Write the number only. ' + BL, 'N', 1, '5'),
         ('On which day of the week was the swimming test? ' + BL, 'T', 1, 'Thursday'),
         ('In paragraph 5, what does "it" in "there was simply more of it" refer to? ' + BL,
          'M', 1, alts('water', 'the water', 'the deep water', 'deep water'))])))
    return qs


# ---------------------------------------------------------------------------
# Paper 134
# ---------------------------------------------------------------------------

def paper134():
    qs = []
    qs.append(mcq('The number of pupils who walk to school %s increased this year.' % BL,
                  ['have', 'are', 'has', 'were'], 3))
    qs.append(mcq('I would have helped you if you %s me.' % BL,
                  ['had asked', 'ask', 'asked', 'have asked'], 1))
    qs.append(mcq('The glass vase, together with the plates, %s broken during the move.' % BL,
                  ['were', 'was', 'are', 'have been'], 2))
    qs.append(mcq('Mr Lee is the teacher %s we met at the museum.' % BL,
                  ['whose', 'which', 'where', 'whom'], 4))
    qs.append(mcq('We had %s time to finish the last question, so we left it blank.' % BL,
                  ['a little', 'few', 'little', 'a few'], 3))
    qs.append(mcq('The children were told not to swim in the river, %s?' % BL,
                  ['were they', "weren't they", "didn't they", 'did they'], 2))
    qs.append(mcq('Sarah prefers reading %s watching television.' % BL,
                  ['to', 'than', 'from', 'for'], 1))
    qs.append(mcq('The instructions were so %s that nobody knew what to do.' % BL,
                  ['precise', 'clear', 'helpful', 'vague'], 4))
    qs.append(mcq('After the long dry spell, the farmers were %s to see the first rain '
                  'clouds.' % BL,
                  ['ashamed', 'relieved', 'offended', 'jealous'], 2))
    qs.append(mcq('The children were told to %s the classroom before they went home.' % BL,
                  ['give up', 'look up', 'tidy up', 'turn up'], 3))
    qs.append(multi(
        'Complete each saying with a word from the box. Two words will not be used.',
        [box(['bucket', 'bush', 'cake', 'cats', 'ice', 'leaf', 'moon'])],
        [('The test was a piece of %s; I finished it in ten minutes.' % BL, 'T', 1, 'cake'),
         ('Stop beating about the %s and tell me what really happened.' % BL, 'T', 1, 'bush'),
         ('After the accident, Uncle Wei promised to turn over a new %s and drive more '
          'carefully.' % BL, 'T', 1, 'leaf'),
         ('The new pupil told a funny story to break the %s.' % BL, 'T', 1, 'ice'),
         ('Take an umbrella; it is raining %s and dogs!' % BL, 'T', 1, 'cats')]))
    qs.append(mcq(None, ['slyly', 'loudly', 'sadly', 'bravely'], 1,
                  instr='Which word is closest in meaning to the underlined word? ' + MCQ,
                  before=[P('The fox waited <u>cunningly</u> behind the bush until the farmer '
                            'had gone.')]))
    qs.append(multi(
        'Some letters are missing from the numbered words. Write each word in full.',
        ['<div class="passage">',
         P('Dear Aunt Rosa,'),
         P('Thank you for the b _ _ utiful (a) scarf you sent me. It arrived on the first day of '
           'Feb _ _ ary (b), and I wore it im _ ediately (c). Everyone in my class said it was '
           'the most unus _ _ l (d) scarf they had ever seen.'),
         P('I am sorry that this letter is late. We have been prac _ _ sing (e) for the school '
           'concert every day, and there are reh _ _ rsals (f) even on Saturdays.'),
         P('I will trea _ ure (g) your gift for a long time.'),
         P('With love,<br>Nadia'),
         '</div>'],
        [('b _ _ utiful ' + BL, 'T', 1, 'beautiful'),
         ('Feb _ _ ary ' + BL, 'T', 1, 'February'),
         ('im _ ediately ' + BL, 'T', 1, 'immediately'),
         ('unus _ _ l ' + BL, 'T', 1, 'unusual'),
         ('prac _ _ sing ' + BL, 'M', 1, alts('practising', 'practicing')),
         ('reh _ _ rsals ' + BL, 'T', 1, 'rehearsals'),
         ('trea _ ure ' + BL, 'T', 1, 'treasure')]))
    qs.append(multi(
        'Each underlined word is wrong. Write the correct word.',
        ['<div class="passage">',
         P('Yesterday our class <u>visit</u> (a) the fire station. A firefighter <u>show</u> '
           '(b) us how to use a hose. The hose was much <u>heavy</u> (c) than I expected. Each '
           'of us <u>were</u> (d) given a chance to sit in the fire engine. I have never '
           '<u>saw</u> (e) such a huge vehicle before.'),
         '</div>'],
        [('visit ' + BL, 'T', 1, 'visited'),
         ('show ' + BL, 'T', 1, 'showed'),
         ('heavy ' + BL, 'T', 1, 'heavier'),
         ('were ' + BL, 'T', 1, 'was'),
         ('saw ' + BL, 'T', 1, 'seen')]))
    qs.append(multi(
        'Write the punctuation mark that is missing from the gap in each sentence.',
        [],
        [('"Are you coming to the library with us%s" asked Lina.' % BL, 'M', 1,
          alts('?', 'question mark')),
         ('We bought apples%s pears, grapes and bananas at the market.' % BL, 'M', 1,
          alts(',', 'comma')),
         ('The teacher%ss desk was covered with exercise books.' % BL, 'M', 1,
          alts("'", 'apostrophe')),
         ('"Wow%s What a beautiful rainbow!" cried Sam.' % BL, 'M', 1,
          alts('!', 'exclamation mark', 'exclamation point'))]))
    qs.append(combine(['Mei did not go to the party.', 'Hui Min did not go to the party either.'],
                      'Neither ... nor',
                      'Neither %s went to the party.' % BL,
                      'M', alts('Mei nor Hui Min', 'Hui Min nor Mei')))
    qs.append(combine(['The children cleaned the classroom.', 'Then they went home.'], 'After',
                      'After %s, the children went home.' % BL,
                      'M', alts('they had cleaned the classroom', 'they cleaned the classroom',
                                'cleaning the classroom', 'having cleaned the classroom')))
    qs.append(combine(['The rain was very heavy.', 'The football match was cancelled.'],
                      'Because of',
                      'Because of %s, the football match was cancelled.' % BL,
                      'M', alts('the heavy rain', 'heavy rain', 'the very heavy rain')))
    qs.append(combine(['Someone has stolen my bicycle.'], None,
                      'My bicycle %s.' % BL,
                      'L', 'has been stolen', instr=PASSIVE))
    pas = passage('From Running Machine to Bicycle', [
        'Today, the bicycle seems so simple that it is hard to imagine a world without it. Yet '
        'it took inventors about seventy years, and many painful falls, to arrive at the shape '
        'we know.',
        'The story usually begins in 1817, when a German inventor named Karl Drais built what '
        'he called a "running machine". It had two wooden wheels, a seat and a handlebar for '
        'steering, but no pedals. The rider sat on it and pushed along the ground with his feet, '
        'rather like a small child on a balance bike. On a smooth path it was faster than '
        'walking, but most roads of the time were rough, and the machine soon went out of '
        'fashion.',
        'In the 1860s, makers in France fixed pedals directly to the front wheel. Their machines '
        'had iron tyres and heavy frames, and riding one over cobbled streets was so '
        'uncomfortable that people nicknamed them "boneshakers".',
        'Because the pedals turned the front wheel directly, one turn of the pedals moved the '
        'machine only as far as one turn of that wheel. To go faster, makers simply made the '
        'front wheel bigger. By the 1870s, some front wheels were taller than a man. These '
        '"penny-farthings" were quick, but the rider sat high above the ground, and if the wheel '
        'struck a stone, he could be thrown over the handlebars head first.',
        'The answer came in 1885, when an Englishman, John Kemp Starley, produced the "Rover". '
        'Its two wheels were almost the same size, and the pedals turned the back wheel by means '
        'of a chain. Because it was so much safer to ride than the penny-farthing, this kind of '
        'machine became known as the "safety bicycle". Three years later, John Boyd Dunlop '
        'developed an air-filled rubber tyre, and at last cycling became comfortable as well as '
        'safe.',
        'The safety bicycle changed everyday life. Workers could live further from their '
        'factories, doctors could visit patients more quickly, and many women found a new '
        'freedom to travel on their own. Look closely at a modern bicycle, and you will see that '
        'its basic design has hardly changed since Starley\'s Rover.'])
    qs.append(mcq('Why were the machines of the 1860s called "boneshakers"?',
                  ['They were made partly of bone.',
                   'They often threw their riders over the handlebars.',
                   'They had no pedals, so riders had to push with their feet.',
                   'They were very uncomfortable to ride over cobbled streets.'], 4,
                  instr='Read the passage. ' + MCQ, before=pas, marks=2))
    qs.append(with_passage(pas, multi(
        'Read the passage. Answer each part. Write the number only.', [],
        [('In which year did Karl Drais build his running machine? ' + BL, 'N', 1, '1817'),
         ('In which year did John Boyd Dunlop develop his air-filled tyre? ' + BL,
          'N', 2, '1888')])))
    qs.append(with_passage(pas, multi(
        'Read the passage. Write True or False for each statement.', [],
        [('Drais\'s running machine had pedals. ' + BL, 'M', 1, true_key(False)),
         ('Makers made front wheels bigger so that their machines would go faster. ' + BL,
          'M', 1, true_key(True)),
         ('The penny-farthing was safer to ride than the Rover. ' + BL, 'M', 1,
          true_key(False)),
         ('The Rover used a chain to turn its back wheel. ' + BL, 'M', 1, true_key(True))])))
    qs.append(with_passage(pas, multi(
        'Read the passage. Find ONE word in the given paragraph that has the same meaning '
        'as each of these.', [],
        [('guiding the direction in which something moves (paragraph 2) ' + BL,
          'T', 1, 'steering'),
         ('gave a funny or friendly name to (paragraph 3) ' + BL, 'T', 1, 'nicknamed'),
         ('hit (paragraph 4) ' + BL, 'T', 1, 'struck'),
         ('the state of being free (paragraph 6) ' + BL, 'T', 1, 'freedom')])))
    qs.append(with_passage(pas, multi(
        'Read the passage. Number the machines 1 to 4 in the order in which they first '
        'appeared. Write the number only.', [],
        [('the penny-farthing ' + BL, 'N', 1, '3'),
         ('the Rover ' + BL, 'N', 1, '4'),
         ('the running machine ' + BL, 'N', 1, '1'),
         ('the boneshaker ' + BL, 'N', 1, '2')])))
    return qs


# ---------------------------------------------------------------------------
# Paper 135
# ---------------------------------------------------------------------------

CLOZE = [
    # (text before the blank, key type, key)
    ('Every school holiday, Tom stayed ', 'T', 'with'),
    (' his grandparents in a small fishing village. His grandfather had been a fisherman ',
     'T', 'for'),
    (' more than forty years, and he still went out in his little blue boat almost every '
     'morning.</p><p>One Saturday, Grandpa asked Tom ', 'M', alts('if', 'whether')),
    (' he would like to come along. Tom was so excited ', 'T', 'that'),
    (' he could hardly finish his breakfast.</p><p>They set off just ', 'M', alts('as', 'when')),
    (' the sun was rising. The sea was calm and the sky was ', 'T', 'a'),
    (' clear, cloudless blue. For the first hour they caught nothing ', 'M',
     alts('but', 'except', 'besides')),
    (' a few tiny fish, ', 'T', 'which'),
    (' Grandpa threw back into the water.</p><p>Then, ', 'T', 'without'),
    (' any warning, the wind began ', 'T', 'to'),
    (' blow harder. Dark clouds rolled in from the west, and within minutes the waves were '
     'crashing against the sides ', 'T', 'of'),
    (' the little boat. Tom gripped the edge of his seat ', 'T', 'so'),
    (' tightly that his knuckles turned white.</p><p>Grandpa, however, did not seem worried ',
     'T', 'at'),
    (' all. He calmly told Tom to put ', 'T', 'on'),
    (' a life jacket and to sit in the very middle of the boat. Then he turned the boat around '
     'and steered it steadily towards the shore, ', 'T', 'which'),
    (' was now hidden behind a grey curtain of rain.</p><p>It rained heavily ', 'M',
     alts('throughout', 'during', 'through')),
    (' the journey back. For ', 'T', 'what'),
    (' seemed like hours, the boat rose and fell with the waves. At last, Tom saw the lights of '
     'the village. ', 'T', 'a'),
    (' few minutes later, the boat bumped gently against the jetty.</p><p>Grandma was waiting at '
     'the end of the jetty ', 'M', alts('with', 'holding', 'carrying')),
    (' a large umbrella and two dry towels. "Your grandfather has sailed through more storms ',
     'T', 'than'),
]
CLOZE_END = (' you can imagine," she laughed, wrapping a towel round Tom\'s shoulders.</p><p>That '
             'night, as Tom lay in bed listening to the rain, he decided that fishing was not for '
             'him. Perhaps he would become a teacher instead.')


def paper135():
    qs = []
    qs.append(mcq('Neither of the boys %s the answer to the riddle.' % BL,
                  ['know', 'are knowing', 'knows', 'have known'], 3))
    qs.append(mcq('The teacher, as well as her pupils, %s excited about the trip.' % BL,
                  ['is', 'are', 'were', 'have been'], 1))
    qs.append(mcq('If I %s a bird, I would fly over the mountains.' % BL,
                  ['am', 'will be', 'being', 'were'], 4))
    qs.append(mcq('Dad told us that he %s us to the zoo the following day.' % BL,
                  ['will take', 'would take', 'takes', 'has taken'], 2))
    qs.append(mcq('The cat jumped %s the fence and ran away.' % BL,
                  ['among', 'between', 'over', 'beneath'], 3))
    qs.append(mcq('%s he was tired, Marcus helped his father wash the car.' % BL,
                  ['Because', 'Although', 'Unless', 'So'], 2))
    qs.append(mcq('This is the %s book I have ever read.' % BL,
                  ['interestingest', 'more interesting', 'much interesting', 'most interesting'], 4))
    qs.append(mcq('The museum has a %s collection of old coins from many different '
                  'countries.' % BL,
                  ['vast', 'vacant', 'feeble', 'rapid'], 1))
    qs.append(mcq('When the principal walked in, the noisy class fell silent %s.' % BL,
                  ['angrily', 'instantly', 'loudly', 'generously'], 2))
    qs.append(mcq('The boy %s that he had broken the window and apologised to his '
                  'neighbour.' % BL,
                  ['denied', 'boasted', 'admitted', 'forgot'], 3))
    qs.append(multi(
        'Write the word from the box that could replace the underlined words. Two words will '
        'not be used.',
        [box(['abandon', 'frequently', 'investigate', 'postponed', 'repaired', 'seldom'])],
        [('The concert was <u>put off</u> until next month because of the storm. ' + BL,
          'T', 1, 'postponed'),
         ('The police will <u>look into</u> the missing bicycles. ' + BL, 'T', 1, 'investigate'),
         ('The captain ordered the crew to <u>leave</u> the sinking ship. ' + BL,
          'T', 1, 'abandon'),
         ('We visit our grandparents <u>very often</u>. ' + BL, 'T', 1, 'frequently')]))
    qs.append(multi(
        'Write the plural form of each word.',
        [],
        [('knife ' + BL, 'T', 1, 'knives'),
         ('potato ' + BL, 'T', 1, 'potatoes'),
         ('city ' + BL, 'T', 1, 'cities'),
         ('mouse (the animal) ' + BL, 'T', 1, 'mice'),
         ('roof ' + BL, 'T', 1, 'roofs'),
         ('tooth ' + BL, 'T', 1, 'teeth')]))
    qs.append(mcq('Which sentence uses commas correctly?',
                  ['My brother who is twelve, plays the drums.',
                   'My brother, who is twelve plays the drums.',
                   'My, brother who is twelve plays the drums.',
                   'My brother, who is twelve, plays the drums.'], 4))
    qs.append(combine(['Ahmad ran all the way to the bus stop.', 'He still missed the bus.'],
                      'Even though',
                      'Even though %s, he still missed the bus.' % BL,
                      'L', 'Ahmad ran all the way to the bus stop'))
    qs.append(combine(['"Please close the windows," the teacher said to us.'], None,
                      'The teacher told us %s.' % BL,
                      'L', 'to close the windows', instr=REPORTED))
    qs.append(combine(['Jia Hui practised hard every day.', 'That is how she won the competition.'],
                      'By',
                      'By %s, Jia Hui won the competition.' % BL,
                      'M', alts('practising hard every day', 'practicing hard every day')))
    pas = passage('The Muddy Water Problem', [
        'When Mrs Goh announced that every Primary Six class would take part in the school '
        'science fair, Zara and her partner, Kai, chose the hardest project they could think of. '
        'They would build a filter that could turn muddy pond water clear, using nothing but '
        'things they could find at home.',
        'Their first attempt was a disaster. They stuffed cotton wool into the neck of a '
        'plastic bottle that had been cut in half, poured in a cup of brown pond water and '
        'waited. The water that dripped out was just as brown as before, and the cotton wool had '
        'turned the colour of chocolate.',
        '"Maybe we should choose an easier project," said Kai gloomily.',
        'Zara refused to give up. That evening she went to the library and read about how water '
        'is cleaned at treatment works. She learnt that it passes through several layers, each '
        'one catching smaller particles than the one before. Stones trap leaves and twigs, sand '
        'catches fine grains of mud, and charcoal helps to remove some smells.',
        'The next weekend, the two friends built a new filter. At the bottom went the cotton '
        'wool, then a layer of charcoal, then fine sand, then coarse sand, and finally a layer '
        'of small pebbles at the top. They rinsed each layer carefully before they added it. '
        'When they poured in the pond water, it took nearly fifteen minutes to trickle through, '
        'but what came out was almost as clear as tap water.',
        'At the science fair, the judges were impressed. The last judge, an engineer, asked a '
        'question that surprised them: "Would you drink it?"',
        'Kai opened his mouth to say yes, but Zara answered first. "No," she said. "The filter '
        'removes the mud we can see, but it cannot remove the germs we cannot see. The water '
        'would still have to be boiled."',
        'The engineer smiled and wrote something on her clipboard. A week later, Zara and Kai '
        'learnt that they had won second prize, and the engineer\'s comment was pinned beside '
        'their certificate: "Honest scientists know what their results do NOT show."'])
    qs.append(mcq('Why did the first filter fail?',
                  ['The bottle was too small.',
                   'Cotton wool alone could not stop the mud.',
                   'They used tap water instead of pond water.',
                   'They poured the water in too quickly.'], 2,
                  instr='Read the passage. ' + MCQ, before=pas))
    qs.append(with_passage(pas, multi(
        'Read the passage. Number the layers of the second filter from the top (1) to the '
        'bottom (5). Write the number only.', [],
        [('charcoal ' + BL, 'N', 1, '4'),
         ('small pebbles ' + BL, 'N', 1, '1'),
         ('fine sand ' + BL, 'N', 1, '3'),
         ('cotton wool ' + BL, 'N', 1, '5'),
         ('coarse sand ' + BL, 'N', 1, '2')])))
    qs.append(with_passage(pas, multi(
        'Read the passage. Write True or False for each statement.', [],
        [('Zara and Kai chose an easy project. ' + BL, 'M', 1, true_key(False)),
         ('Zara found out about water treatment at the library. ' + BL, 'M', 1, true_key(True)),
         ('The second filter made the pond water completely safe to drink. ' + BL,
          'M', 1, true_key(False))])))
    qs.append(with_passage(pas, multi(
        'Read the passage. Find ONE word in the given paragraph that has the same meaning '
        'as each of these.', [],
        [('something that goes very badly wrong (paragraph 2) ' + BL, 'T', 1, 'disaster'),
         ('in a sad and hopeless way (paragraph 3) ' + BL, 'T', 1, 'gloomily'),
         ('flow slowly in drops or a thin stream (paragraph 5) ' + BL, 'T', 1, 'trickle'),
         ('rough and made of large grains (paragraph 5) ' + BL, 'T', 1, 'coarse')])))
    qs.append(with_passage(pas, multi(
        'Read the passage. Answer each part.', [],
        [('About how many minutes did the pond water take to pass through the second filter? '
          'Write the number only. ' + BL, 'N', 1, '15'),
         ('Which prize did Zara and Kai win? ' + BL, 'M', 1,
          alts('second prize', 'second', '2nd prize', '2nd', 'the second prize'))])))
    qs.append(mcq('What does the engineer\'s comment teach?',
                  ['Scientists should always try to win prizes.',
                   'Good scientists are honest about what their experiments cannot prove.',
                   'Filtered water is always safe to drink.',
                   'Engineers know more than scientists do.'], 2,
                  instr='Read the passage. ' + MCQ, before=pas, marks=2))
    # The cloze story
    body = []
    answers = []
    for i, (before, t, key) in enumerate(CLOZE):
        body.append(before)
        body.append('<b>(%d)</b> %s' % (i + 1, BL))
        answers.append((t, 1, key))
    body.append(CLOZE_END)
    story = '<div class="passage">', P('<b>Caught in the Storm</b>'), '<p>' + ''.join(body) + '</p>', '</div>'
    parts = [('Blank (%d) %s' % (i + 1, BL), t, mk, key) for i, (t, mk, key) in enumerate(answers)]
    qs.append(multi(
        'Read the story. Fill in each numbered blank with ONE suitable word. Write your '
        'answers in parts (a) to (t): part (a) is blank (1), part (b) is blank (2), and so on.',
        list(story), parts))
    return qs


# ---------------------------------------------------------------------------
# checks and output
# ---------------------------------------------------------------------------

ALLOWED_CLASSES = ('part', 'options', 'data', 'passage', 'blank')


def check_key(t, key):
    assert key and '>' not in key and '#' not in key and '\t' not in key and '\n' not in key, key
    assert key == key.strip(), key
    if t == 'Q':
        assert key in ('1', '2', '3', '4'), key
    elif t == 'N':
        float(key)
    elif t in ('M', 'G'):
        assert key.startswith(';') and len(key) > 1, key
        a = key[1:].split(';')
        assert all(x.strip() == x and x for x in a), key
        assert len(set(x.lower() for x in a)) == len(a), key
    elif t in ('T', 'L'):
        assert ';' not in key or len(key) == 1, key
    else:
        raise AssertionError(t)


def check_html(lines):
    text = '\n'.join(lines)
    for cls in re.findall(r'class="([^"]+)"', text):
        assert cls in ALLOWED_CLASSES, cls
    low = text.lower()
    assert 'style=' not in low and '<script' not in low and 'http' not in low and '<img' not in low
    assert '#' not in text.replace('&#', '')
    for m in re.finditer(r'&', text):
        assert re.match(r'&(#\d+|[a-zA-Z]+);', text[m.start():]), text[m.start():m.start() + 20]
    stripped = re.sub(r'<[^<>]*>', '', text)
    assert '<' not in stripped and '>' not in stripped, stripped
    stack = []
    for m in re.finditer(r'<(/?)([a-z0-9]+)[^>]*>', text):
        closing, tag = m.group(1), m.group(2)
        if tag == 'br':
            continue
        if closing:
            assert stack and stack[-1] == tag, (stack, tag, text)
            stack.pop()
        else:
            stack.append(tag)
    assert not stack, stack
    for ln in lines:
        assert not ln.startswith('#') and not ln.startswith('answer:') \
            and not ln.startswith('instruction:') and not ln.startswith('==') and ln.strip()


def build():
    makers = {131: paper131, 132: paper132, 133: paper133, 134: paper134, 135: paper135}
    papers = {}
    qid = FIRST_ID
    for paper in PAPERS:
        qs = []
        for q in makers[paper]():
            qs.append((qid, q))
            qid += 1
        papers[paper] = qs
    assert qid - 1 == LAST_ID, qid - 1
    return papers


def write_all():
    papers = build()
    os.makedirs(OUT, exist_ok=True)
    seen = set()
    last = FIRST_ID - 1
    summary = []
    for paper in PAPERS:
        qs = papers[paper]
        out = ['# Mock Examination, paper %d' % (paper - 130),
               '# Written by tools/gen_english_t7.py; edit the script, not this file.',
               '']
        slots = marks = 0
        qans = []
        for qid, q in qs:
            assert qid == last + 1 and qid not in seen
            seen.add(qid)
            last = qid
            ans = q['answers']
            assert 1 <= len(ans) <= 20, qid
            check_html(q['html'])
            n_parts = sum(1 for ln in q['html'] if ln.startswith('<p class="part">'))
            if len(ans) > 1:
                assert n_parts == len(ans), (qid, n_parts, len(ans))
                for i in range(n_parts):
                    assert sum(1 for ln in q['html']
                               if ln.startswith('<p class="part">(%s) ' % LETTERS[i])) == 1, qid
            else:
                assert n_parts == 0, qid
            opts = [ln for ln in q['html'] if 'class="options"' in ln]
            if any(t == 'Q' for t, _, _ in ans):
                assert len(ans) == 1 and len(opts) == 1 and opts[0].count('<li>') == 4, qid
                qans.append(ans[0][2])
            else:
                assert not opts, qid
            i = 0
            while i < len(ans):
                t, mk, key = ans[i]
                assert mk in (1, 2), qid
                if t == 'G':
                    j = i + 1
                    while j < len(ans) and ans[j][2] == '[space]':
                        assert ans[j][0] == 'G'
                        j += 1
                    assert len(key[1:].split(';')) >= j - i, (qid, key)
                    check_key('G', key)
                    i = j
                    continue
                assert key != '[space]', qid
                check_key(t, key)
                i += 1
            # the instruction is printed as plain text: no markup, no entities
            assert q['instr'] and not re.search(r'[<>&#\n]', q['instr']), q['instr']
            out.append('== %d' % qid)
            out.append('instruction: %s' % q['instr'])
            out.extend(q['html'])
            for t, mk, key in ans:
                out.append('answer: %s %d %s' % (t, mk, key))
            out.append('')
            slots += len(ans)
            marks += sum(mk for _, mk, _ in ans)
        assert slots <= 80 and 20 <= marks <= 100, (paper, slots, marks)
        # every option position is used as the right answer in every paper
        assert all(qans.count(str(k)) >= 2 for k in range(1, 5)), (paper, qans)
        summary.append((paper, len(qs), slots, marks, qans))
        with open(os.path.join(OUT, '%d.txt' % paper), 'w', encoding='utf-8', newline='\n') as f:
            f.write('\n'.join(out).rstrip('\n') + '\n')
    # the fixed shapes of the first and last papers
    assert len(papers[131]) == 35 and papers[131][-1][0] == 11435
    assert sum(len(q['answers']) for _, q in papers[131]) == 80
    assert sum(len(q) for q in (papers[p] for p in (132, 133, 134, 135))) == 95
    last_id, last_q = papers[135][-1]
    assert last_id == 11530 and len(last_q['answers']) == 20
    for title, n in WORDS.items():
        print('passage "%s": %d words' % (title, n))
    for paper, n, slots, marks, qans in summary:
        print('paper %d: %d questions, %d slots, %d marks; choices %s'
              % (paper, n, slots, marks, ''.join(qans)))


if __name__ == '__main__':
    write_all()
